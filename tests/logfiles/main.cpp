// The log files' tests run with an application object, in English as the program speaks it, so
// that their texts read as the user reads them: "1 contact written.", "2 contacts written.".
#include "logfiles/translations.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    logvane::Translations english(QLocale(QLocale::English));
    const QCoreApplication application(argc, argv);
    english.install();
    return RUN_ALL_TESTS();
}
