#include "app/command_line.h"
#include "tests/qt_printers.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace logvane {
namespace {

using Words = std::vector<std::string>;

// What each command line asks for: the request, Qt's options in order, the files in order, or the
// start of the usage message.
TEST(CommandLine, OptionsFilesAndQtsOwnAreToldApart)
{
    using enum CommandLine::Request;
    const struct
    {
        Words arguments;
        CommandLine::Request request;
        Words forQt, files;
        const char* failure = nullptr;
    } cases[] = {
        {{}, Windows, {}, {}},
        {{"-h"}, Help, {}, {}},
        {{"--help", "--version"}, Help, {}, {}},
        {{"--version", "-h"}, Help, {}, {}},
        {{"--version"}, Version, {}, {}},
        {{"--", "a.edi"}, Windows, {}, {"a.edi"}},
        {{"-", "--", "--help"}, Windows, {}, {"-", "--help"}},
        {{"-platform", "offscreen", "a.edi", "--style=fusion", "-reverse", "--", "-style", "b.EDI"},
            Windows, {"-platform", "offscreen", "--style=fusion", "-reverse"},
            {"a.edi", "-style", "b.EDI"}},
        {{"-x.edi", "a.edi"}, Windows, {}, {}, "logvane: unknown option -x.edi (a file whose"},
        {{"-platform=offscreen"}, Windows, {}, {}, "logvane: unknown option -platform=offscreen"},
        {{"-x.edi", "--help"}, Help, {}, {}},
    };
    for (const auto& c : cases) {
        std::vector<char*> argv {const_cast<char*>("logvane")};
        for (const std::string& argument : c.arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        const Result<CommandLine> read = readCommandLine(int(argv.size()), argv.data());
        const std::string shown = ::testing::PrintToString(c.arguments);
        if (c.failure) {
            ASSERT_FALSE(read) << shown;
            EXPECT_TRUE(read.error().message.startsWith(QString::fromUtf8(c.failure))) << shown;
            continue;
        }
        ASSERT_TRUE(read) << shown;
        EXPECT_EQ(read->request, c.request) << shown;
        Words forQt {"logvane"};
        forQt.insert(forQt.end(), c.forQt.begin(), c.forQt.end());
        EXPECT_EQ(Words(read->forQt.begin(), read->forQt.end() - 1), forQt) << shown;
        EXPECT_EQ(read->forQt.back(), nullptr) << shown;
        EXPECT_EQ(Words(read->files.begin(), read->files.end()), c.files) << shown;
    }
}

} // namespace
} // namespace logvane
