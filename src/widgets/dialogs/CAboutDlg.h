// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/ui/templatedialog.h"

namespace zelpo::app {

// The about box: the product line, the licence, and the versions of the
// toolkit and of SQLite that the program runs with.
class CAboutDlg final : public ui::TemplateDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CAboutDlg)
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    ~CAboutDlg() override;

protected:
    void onInitDialog() override;
};

} // namespace zelpo::app
