// SPDX-License-Identifier: MIT
#include "widgets/app/CMyApp.h"

int main(int argc, char** argv)
{
    zelpo::app::CMyApp app(argc, argv);
    return app.InitInstance();
}
