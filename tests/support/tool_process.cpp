#include "support/tool_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

namespace kp07::test {
namespace {

std::vector<char*> Argv(const std::string& program, const std::vector<std::string>& args) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    return argv;
}

// Reads what is there on `fd` within `waitMs`; false at end of file.
bool ReadSome(int fd, std::string* into, int waitMs) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, waitMs) <= 0) return true;
    char buf[4096];
    const ssize_t n = read(fd, buf, sizeof buf);
    if (n <= 0) return false;
    into->append(buf, std::size_t(n));
    return true;
}

}  // namespace

std::string ToolsDir() {
    const char* dir = std::getenv("KP07_TOOLS_DIR");
    if (dir && *dir) return dir;
#ifdef KP07_BUILD_TOOLS_DIR
    return KP07_BUILD_TOOLS_DIR;  // the tools of the build these tests belong to
#else
    return "";
#endif
}

TempDir::TempDir() {
    const char* base = std::getenv("TMPDIR");
    std::string templ = std::string(base && *base ? base : "/tmp") + "/kp07-e2e-XXXXXX";
    std::vector<char> buf(templ.begin(), templ.end());
    buf.push_back('\0');
    if (mkdtemp(buf.data())) path_ = buf.data();
}

TempDir::~TempDir() {
    if (path_.empty()) return;
    const std::string cmd = "rm -rf '" + path_ + "'";
    if (std::system(cmd.c_str()) != 0) {
        // Nothing more to do: a leftover temporary folder harms no one.
    }
}

bool SimProcess::Start(const std::vector<std::string>& args) {
    const std::string program = ToolsDir() + "/kr318-sim";
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) return false;
    pid_ = fork();
    if (pid_ == 0) {
        dup2(out[1], STDOUT_FILENO);
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0) dup2(null, STDERR_FILENO);
        std::vector<char*> argv = Argv(program, args);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(out[1]);
    std::string text;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (text.find('\n') == std::string::npos && std::chrono::steady_clock::now() < until) {
        if (!ReadSome(out[0], &text, 100)) break;
    }
    close(out[0]);
    const std::size_t nl = text.find('\n');
    if (nl == std::string::npos) return false;
    device_ = text.substr(0, nl);
    return true;
}

void SimProcess::Stop() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
}

SimProcess::~SimProcess() {
    Stop();
}

ToolResult RunKp07(const std::vector<std::string>& args, const std::string& interruptWhen) {
    std::function<bool(const std::string&)> when;
    if (!interruptWhen.empty()) {
        when = [interruptWhen](const std::string& errors) {
            return errors.find(interruptWhen) != std::string::npos;
        };
    }
    return RunTool("kp07", args, when);
}

ToolResult RunTool(const std::string& name, const std::vector<std::string>& args,
                   const std::function<bool(const std::string& errors)>& interruptWhen,
                   int killAfterMs) {
    ToolResult result;
    const std::string program = ToolsDir() + "/" + name;
    int err[2], out[2];
    if (pipe2(err, O_CLOEXEC) != 0) return result;
    if (pipe2(out, O_CLOEXEC) != 0) return result;
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(err[1], STDERR_FILENO);
        dup2(out[1], STDOUT_FILENO);
        std::vector<char*> argv = Argv(program, args);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(err[1]);
    close(out[1]);
    bool interrupted = false;
    bool killed = false;
    const auto killAt = std::chrono::steady_clock::now() + std::chrono::milliseconds(killAfterMs);
    bool errOpen = true, outOpen = true;
    while (errOpen || outOpen) {
        if (errOpen) errOpen = ReadSome(err[0], &result.errors, 50);
        if (outOpen) outOpen = ReadSome(out[0], &result.output, errOpen ? 0 : 50);
        if (!interrupted && interruptWhen && interruptWhen(result.errors)) {
            kill(pid, SIGINT);
            interrupted = true;
        }
        if (!killed && std::chrono::steady_clock::now() > killAt) {
            kill(pid, SIGKILL);  // a tool that hangs fails its test instead of stalling it
            killed = true;
        }
    }
    close(err[0]);
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

bool WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(f);
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(f)),
                                     std::istreambuf_iterator<char>());
}

bool WriteMemory(const std::string& path, const RadioImage& image) {
    return WriteFileBytes(path, std::vector<std::uint8_t>(image.begin(), image.end()));
}

RadioImage ReadMemory(const std::string& path) {
    RadioImage image{};
    const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
    for (std::size_t i = 0; i < bytes.size() && i < image.size(); ++i) image[i] = bytes[i];
    return image;
}

}  // namespace kp07::test
