// quantivex-replay FILE...: runs event scripts against the window, headless.
// Exit 0 when every expectation held, 1 when one failed, 2 on a script it cannot read.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>

#include "replay.h"

namespace {

// A script is a few kilobytes of text, and the event storm prints at most a few
// thousand lines of one; 16 MiB leaves room for far longer scripts while a
// device or a runaway file is refused before it costs real memory.
constexpr std::size_t kMaxScriptBytes = 16 * 1024 * 1024;

const char* kindOf(mode_t mode) {
    if (S_ISDIR(mode)) return "a directory";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
    if (S_ISFIFO(mode)) return "a pipe";
    if (S_ISSOCK(mode)) return "a socket";
    return "not a regular file";
}

// Reads all of `fd` up to the limit; nothing and a message past it or on a read error.
std::optional<std::string> readBounded(int fd, const std::string& name) {
    std::string text;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            std::cerr << name << ": cannot read: " << std::strerror(errno) << '\n';
            return std::nullopt;
        }
        if (n == 0) return text;
        if (text.size() + static_cast<std::size_t>(n) > kMaxScriptBytes) {
            std::cerr << name << ": larger than " << kMaxScriptBytes / (1024 * 1024) << " MiB, not read\n";
            return std::nullopt;
        }
        text.append(buffer, static_cast<std::size_t>(n));
    }
}

// Only a regular file is read: the type is checked before opening, so a pipe
// or a device is never opened (opening a pipe would wait for a writer), and
// again on the open file in case the name changed in between.
std::optional<std::string> readScriptFile(const std::string& name) {
    struct stat st {};
    if (::stat(name.c_str(), &st) != 0) {
        std::cerr << name << ": cannot open: " << std::strerror(errno) << '\n';
        return std::nullopt;
    }
    if (!S_ISREG(st.st_mode)) {
        std::cerr << name << ": " << kindOf(st.st_mode) << ", not a script\n";
        return std::nullopt;
    }
    const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        std::cerr << name << ": cannot open: " << std::strerror(errno) << '\n';
        return std::nullopt;
    }
    std::optional<std::string> text;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        std::cerr << name << ": not a regular file, not a script\n";
    } else if (static_cast<std::size_t>(st.st_size) > kMaxScriptBytes) {
        std::cerr << name << ": larger than " << kMaxScriptBytes / (1024 * 1024) << " MiB, not read\n";
    } else {
        text = readBounded(fd, name);
    }
    ::close(fd);
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    using quantivex::replay::Outcome;
    if (argc < 2) {
        std::cerr << "usage: quantivex-replay FILE... (- reads standard input)\n";
        return 2;
    }
    int worst = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        const std::optional<std::string> text =
            name == "-" ? readBounded(STDIN_FILENO, "standard input") : readScriptFile(name);
        if (!text) {
            worst = 2;
            continue;
        }
        const Outcome outcome = quantivex::replay::runText(*text, name, std::cout);
        worst = std::max(worst, static_cast<int>(outcome));
    }
    return worst;
}
