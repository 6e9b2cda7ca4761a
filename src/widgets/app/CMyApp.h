// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>

namespace zelpo::app {

// The application: its whole life is the modal run of the main menu.
class CMyApp final : public QApplication {
    Q_OBJECT
public:
    CMyApp(int& argc, char** argv);
    ~CMyApp() override;

    // Shows the main menu modally; returns the process exit code.
    int InitInstance();
};

// The program's life once it is set up: the database checked (or offered),
// the check at start-up asked about once and run once the main menu is up,
// then the main menu's modal run. `executableFile` places the database and
// the manual.
int runMainMenu(const QString& executableFile);

} // namespace zelpo::app
