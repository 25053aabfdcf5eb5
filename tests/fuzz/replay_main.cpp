// Runs a fuzz target over the files of its corpus (folders are walked, files
// taken as they are), for the builds without libFuzzer. A fault shows as a
// crash or a sanitizer report, as it would under the fuzzer.
#include <dirent.h>
#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) __attribute__((weak));

namespace {

int Replay(const std::string& path, int* count) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        std::fprintf(stderr, "%s: not found\n", path.c_str());
        return 1;
    }
    if (S_ISDIR(st.st_mode)) {
        DIR* dir = ::opendir(path.c_str());
        if (!dir) return 1;
        std::vector<std::string> names;
        while (const dirent* e = ::readdir(dir)) {
            if (e->d_name[0] != '.') names.push_back(e->d_name);
        }
        ::closedir(dir);
        int failures = 0;
        for (const std::string& n : names) failures += Replay(path + "/" + n, count);
        return failures;
    }
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    ++*count;
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
    int count = 0;
    int failures = 0;
    for (int i = 1; i < argc; ++i) failures += Replay(argv[i], &count);
    std::printf("%d inputs replayed\n", count);
    return failures == 0 && count > 0 ? 0 : 1;
}
