// SPDX-License-Identifier: MIT
#pragma once

#include "ui/templatedialog.h"

namespace zelpo::app {

// The about box: version line and the maker's lines.
class CAboutDlg final : public ui::TemplateDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CAboutDlg)
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    ~CAboutDlg() override;
};

} // namespace zelpo::app
