#include "app/command_line.h"
#include "tests/qt_printers.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace logvane {
namespace {

using Words = std::vector<std::string>;

// What each command line asks for: the request, Qt's options in order, the files in order, the
// groups of fields of --convert, or the start of the message for a misuse.
TEST(CommandLine, OptionsFilesAndQtsOwnAreToldApart)
{
    using enum CommandLine::Request;
    const struct
    {
        Words arguments;
        CommandLine::Request request;
        Words forQt, files;
        const char* misuse = "";
        std::optional<FieldGroups> fields {};
    } cases[] = {
        {{}, Windows, {}, {}},
        {{"-h"}, Help, {}, {}},
        {{"--help", "--version"}, Help, {}, {}},
        {{"--version"}, Version, {}, {}},
        {{"--", "a.edi"}, Windows, {}, {"a.edi"}},
        {{"-", "--", "--help", "--convert"}, Windows, {}, {"-", "--help", "--convert"}},
        {{"-platform", "offscreen", "a.edi", "--style=fusion", "-reverse", "--", "-style", "b.EDI"},
            Windows, {"-platform", "offscreen", "--style=fusion", "-reverse"},
            {"a.edi", "-style", "b.EDI"}},
        {{"-x.edi", "a.edi"}, Misuse, {}, {"a.edi"}, "logvane: unknown option -x.edi (a file"},
        {{"-platform=offscreen"}, Misuse, {}, {}, "logvane: unknown option -platform=offscreen"},
        {{"-x.edi", "--help"}, Help, {}, {}},
        {{"a.edi", "--fields=none"}, Misuse, {}, {"a.edi"}, "logvane: unknown option --fields"},
        {{"--convert", "--fields=station,contest", "--comment=73", "--", "-a.edi"}, Convert, {},
            {"-a.edi"}, "", FieldGroups {true, true}},
        {{"a.edi", "--fields=none", "--convert"}, Convert, {}, {"a.edi"}, "", FieldGroups {}},
        {{"--convert", "--fields=contest,", "a.edi"}, Misuse, {}, {"a.edi"},
            "logvane: --fields=contest, names no groups"},
        {{"--convert", "-platform", "xcb", "a.edi"}, Misuse, {}, {"xcb", "a.edi"},
            "logvane: unknown option -platform"},
        {{"--convert"}, Misuse, {}, {}, "logvane: --convert needs the EDI files"},
    };
    for (const auto& c : cases) {
        std::vector<char*> argv {const_cast<char*>("logvane")};
        for (const std::string& argument : c.arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        const CommandLine read = readCommandLine(int(argv.size()), argv.data());
        const std::string shown = ::testing::PrintToString(c.arguments);
        EXPECT_EQ(read.request, c.request) << shown;
        EXPECT_TRUE(
            c.request != Misuse || misuseMessage(read).startsWith(QString::fromUtf8(c.misuse)))
            << shown << misuseMessage(read).toStdString();
        EXPECT_EQ(Words(read.forQt.begin() + 1, read.forQt.end() - 1), c.forQt) << shown;
        EXPECT_EQ(read.forQt.back(), nullptr) << shown;
        EXPECT_EQ(Words(read.files.begin(), read.files.end()), c.files) << shown;
        EXPECT_EQ(read.fields, c.fields) << shown;
    }
}

} // namespace
} // namespace logvane
