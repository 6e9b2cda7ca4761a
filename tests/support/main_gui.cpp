// SPDX-License-Identifier: MIT
#include "support/printers.h"
#include "widgets/ui/japanese.h"
#include "widgets/ui/modal.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

// A message box that no test answers would wait for a click forever; it is
// recorded here instead, and fails the run naming the test that showed it.
class UnexpectedMessages final : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { m_recorder.clear(); }
    void OnTestEnd(const ::testing::TestInfo& test) override
    {
        if (!m_recorder.messages().empty())
            ADD_FAILURE() << test.test_suite_name() << "." << test.name()
                          << " showed an unexpected message: " << m_recorder.texts().join(u'/').toStdString();
    }
    zelpo::ui::MessageRecorder m_recorder;
};

} // namespace

int main(int argc, char** argv)
{
    // A fixed moment before every stored draw: the draw calendar expects
    // nothing newer than a file holds, whatever day the suite runs; tests of
    // the calendar set a moment of their own.
    qputenv("ZELPO_NOW", "2000-01-01T00:00:00Z");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // As the program sets itself up.
    zelpo::ui::installJapanese(app);
    zelpo::ui::installWaitCursor();
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new UnexpectedMessages);
    return RUN_ALL_TESTS();
}
