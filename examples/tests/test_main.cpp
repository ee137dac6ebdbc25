// SPDX-License-Identifier: LGPL-2.1-or-later
// Windows are built off screen unless the run names another platform, on one program
// object for the whole run. A message box would wait for a user who is not there, so
// each one fails the test that raised it instead.
#include "runtime/forms/msgbox.h"
#include "runtime/forms/program.h"

#include <gtest/gtest.h>

namespace {

class FailingPresenter : public runtime::MessagePresenter {
public:
    runtime::MsgBoxResult present(const runtime::MessageBoxRequest& request) override
    {
        ADD_FAILURE() << "a message box: " << request.text.toStdString();
        return runtime::Ok;
    }
};

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    runtime::Program program(argc, argv, QStringLiteral("tally tests"));
    FailingPresenter presenter;
    runtime::setMessagePresenter(&presenter);
    return RUN_ALL_TESTS();
}
