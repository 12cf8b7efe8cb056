#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>

#include "ui/toolkit/application.h"

int main(int argc, char** argv) {
    // Headless unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The program's own session: a handler's failure stops where the toolkit called it.
    toolkit::Application application(argc, argv, {"Quorvel", "test", "org.quorvel.Quorvel"});
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
