#include "TextFile.h"

#include <array>

#include "platform/Cp932.h"
#include "platform/FileSystem.h"

namespace orgola {

std::vector<std::string> readTextLines(const std::string& path, std::size_t maxLines) {
    std::vector<std::string> lines;
    if (maxLines == 0) {
        return lines;
    }
    platform::FileReader reader(path);
    std::array<char, 65536> chunk{};
    std::string line;
    bool lineStarted = false;
    while (lines.size() < maxLines) {
        const std::size_t got = reader.read(chunk.data(), chunk.size());
        if (got == 0) {
            break;
        }
        for (std::size_t i = 0; i < got && lines.size() < maxLines; ++i) {
            const char c = chunk[i];
            if (c == '\n') {
                lines.push_back(platform::fromCp932(line));
                line.clear();
                lineStarted = false;
            } else {
                lineStarted = true;
                if (c != '\r' && line.size() < kMaxLineBytes) {
                    line += c;
                }
            }
        }
    }
    if (lineStarted && lines.size() < maxLines) {
        lines.push_back(platform::fromCp932(line));
    }
    return lines;
}

void writeTextFile(const std::string& path, const std::vector<std::string>& texts) {
    std::string bytes;
    for (const auto& text : texts) {
        bytes += platform::toCp932(text);
        bytes += "\r\n";
    }
    platform::replaceFile(path, bytes);
}

}  // namespace orgola
