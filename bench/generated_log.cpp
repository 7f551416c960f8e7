#include "bench/generated_log.h"

#include <array>
#include <cstdio>
#include <random>

namespace logvane::bench {

std::string generatedEdiLog(std::size_t records)
{
    std::string log = "[REG1TEST;1]\r\nTName=Generated contest\r\nTDate=20130803;20130804\r\n"
                      "PCall=Q1XYZ\r\nPWWLo=JO01AA\r\nPExch=DA\r\nPSect=SINGLE\r\nPBand=144 MHz\r\n"
                      "SPowe=100\r\nPClub=\r\nRName=\r\n[Remarks]\r\n[QSORecords;"
        + std::to_string(records) + "]\r\n";
    log.reserve(log.size() + records * 64);

    std::mt19937 random(20130803);
    const auto pick
        = [&random](int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); };
    const auto letter = [&pick] { return static_cast<char>('A' + pick(26)); };

    for (std::size_t i = 0; i < records; ++i) {
        // Q, a digit and 2 to 4 letters; portable and foreign operation make them up to 11 long.
        std::string call(1, 'Q');
        call += static_cast<char>('0' + pick(10));
        const int letters = 2 + pick(3);
        for (int k = 0; k < letters; ++k)
            call += letter();
        const int operation = pick(4);
        if (operation == 1) {
            std::string foreign(1, 'Q');
            foreign += static_cast<char>('0' + pick(10));
            foreign += '/';
            call.insert(0, foreign);
        }
        if (operation == 0 || (operation == 1 && pick(2) == 0))
            call += "/P";
        const unsigned minute = static_cast<unsigned>(i / 60 % 1440);

        // Mostly the layout's own widths; as in real logs, some four-digit serials, some
        // exchanges and some FM contacts.
        const int shape = pick(100);
        const bool fourDigits = shape < 10;
        const bool exchange = shape >= 10 && shape < 15;
        const bool fm = shape >= 15 && shape < 17;
        const bool cw = !fm && pick(3) == 0;
        const char* const serialFormat = fourDigits ? "%04u" : "%03u";
        std::array<char, 8> sent {};
        std::array<char, 8> received {};
        std::snprintf(sent.data(), sent.size(), serialFormat, static_cast<unsigned>(i % 999 + 1));
        std::snprintf(
            received.data(), received.size(), serialFormat, static_cast<unsigned>(pick(999) + 1));

        std::array<char, 128> line {};
        const int length = std::snprintf(line.data(), line.size(),
            "130803;%02u%02u;%s;%c;%s;%s;%s;%s;%s;%c%c%02d%c%c;%d;;;;\r\n", minute / 60,
            minute % 60, call.c_str(),
            fm       ? '6'
                : cw ? '2'
                     : '1',
            cw ? "599" : "59", sent.data(), cw ? "579" : "57", received.data(),
            exchange ? "DA" : "", letter(), letter(), pick(100), letter(), letter(), 1 + pick(900));
        log.append(line.data(), static_cast<std::size_t>(length));
    }
    return log;
}

} // namespace logvane::bench
