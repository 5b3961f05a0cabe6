#include "cli/ProgramFileReader.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace vantric::console {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

ProgramFileText Failure(const std::string& path, const std::string& reason) {
    ProgramFileText result;
    result.Error = "cannot read program file " + path + ": " + reason;
    return result;
}

}  // namespace

std::string ToCrLfText(const std::string& bytes) {
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 16);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) text += '\r';
        text += bytes[i];
    }
    return text;
}

ProgramFileText ReadProgramFile(const std::string& path) {
    errno = 0;
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) return Failure(path, std::strerror(errno));

    std::string bytes;
    char buffer[65536];
    for (;;) {
        errno = 0;
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
        bytes.append(buffer, got);
        if (static_cast<long long>(bytes.size()) > kMaxProgramFileBytes)
            return Failure(path, "larger than " + std::to_string(kMaxProgramFileBytes / (1024 * 1024)) + " MB");
        if (got < sizeof buffer) {
            if (std::ferror(file.get())) return Failure(path, errno != 0 ? std::strerror(errno) : "read error");
            break;
        }
    }

    ProgramFileText result;
    result.Ok = true;
    result.Text = ToCrLfText(bytes);
    return result;
}

bool LoadProgramIntoEditor(const std::string& path, platform::Editor& editor, std::ostream& err) {
    const ProgramFileText file = ReadProgramFile(path);
    if (!file.Ok) {
        err << "vantric-cli: " << file.Error << '\n';
        return false;
    }
    editor.SetText(file.Text);
    return true;
}

}  // namespace vantric::console
