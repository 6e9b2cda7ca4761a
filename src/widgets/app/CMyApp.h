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

} // namespace zelpo::app
