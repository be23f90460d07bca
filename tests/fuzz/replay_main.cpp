// Runs the fuzz target's logic on saved inputs without libFuzzer, so every
// ordinary test run checks the seed corpus (and any crash reproducer kept
// beside it). Arguments: files or directories of inputs.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho);

namespace {

void Reproduzir(const std::filesystem::path& arquivo) {
    std::ifstream in(arquivo, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

int main(int argc, char* argv[]) {
    int entradas = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path caminho(argv[i]);
        if (std::filesystem::is_directory(caminho)) {
            for (const auto& item : std::filesystem::directory_iterator(caminho)) {
                if (item.is_regular_file()) {
                    Reproduzir(item.path());
                    ++entradas;
                }
            }
        } else {
            Reproduzir(caminho);
            ++entradas;
        }
    }
    std::printf("%d inputs replayed\n", entradas);
    // An empty corpus is a broken test, not a pass.
    return entradas > 0 ? 0 : 1;
}
