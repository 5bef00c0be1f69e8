// Feeds arbitrary bytes to every reader of picture packs, as a pack file in a
// scratch directory, and checks what the readers report against each other.
#include "packs/PackCatalogue.h"
#include "packs/PackReader.h"
#include "platform/FileLayer.h"

#include <sanitizer/common_interface_defs.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

void RemoveScratch();

// One directory per process, made on the first input and removed at exit,
// also after a crash; never destroyed, so the exit handlers still find it.
const fs::path& ScratchDirectory() {
    static const fs::path* const directory = [] {
        std::string pattern = (fs::temp_directory_path() / "quadrillo-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) {
            std::perror("mkdtemp");
            std::abort();
        }
        std::atexit(RemoveScratch);
        __sanitizer_set_death_callback(RemoveScratch);
        return new fs::path(pattern);
    }();
    return *directory;
}

void RemoveScratch() {
    std::error_code ignored;
    fs::remove_all(ScratchDirectory(), ignored);
}

// libFuzzer saves the input itself; the scratch files are of no more use.
[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "pack reader fuzz: %s\n", what);
    RemoveScratch();
    std::abort();
}

void Check(bool holds, const char* what) {
    if (!holds)
        Fail(what);
}

void WriteFile(const fs::path& file, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
    Check(bool(out.flush()), "cannot write the scratch pack");
}

// Compares the extracted picture with the bytes the listing says it has:
// what the pack holds, then zeros up to the claimed length. Only the part
// the pack holds is read back, so a huge sparse tail costs nothing.
void CheckExtracted(const fs::path& output, const PackRecord& record, const std::uint8_t* data,
                    std::size_t size) {
    Check(fs::file_size(output) == record.dataLength, "extracted picture has the wrong length");
    const std::uint64_t start = std::min<std::uint64_t>(record.dataOffset, size);
    const std::uint64_t held = std::min<std::uint64_t>(record.dataLength, size - start);
    std::string bytes(std::size_t(std::min<std::uint64_t>(record.dataLength, held + 16)), '\0');
    std::ifstream in(output, std::ios::binary);
    in.read(bytes.data(), std::streamsize(bytes.size()));
    Check(std::size_t(in.gcount()) == bytes.size(), "extracted picture cannot be read back");
    Check(std::memcmp(bytes.data(), data + start, std::size_t(held)) == 0,
          "extracted picture differs from the pack's bytes");
    Check(std::all_of(bytes.begin() + std::ptrdiff_t(held), bytes.end(),
                      [](char c) { return c == '\0'; }),
          "a cut-short picture is not padded with zeros");
}

void ReadEverything(const std::uint8_t* data, std::size_t size) {
    const fs::path& directory = ScratchDirectory();
    const fs::path pack = directory / "scratch.qdr";
    const fs::path output = directory / "extracted.bmp";
    WriteFile(pack, data, size);

    const PackListing listing = ReadPackListing(pack);
    Check(listing.header.complete == (size >= 3), "header completeness misreported");
    Check(listing.records.size() <= std::size_t(std::max<int>(listing.header.pictureCount, 0)),
          "more records than the pack claims");
    for (const PackRecord& record : listing.records)
        Check(record.title.size() < 0x80 && record.dataLength <= 0x7fffffffu,
              "a record beyond the limits was kept");

    std::vector<QString> titles = {QStringLiteral("left over")};
    Check(ListPackTitles(pack, false, titles) == listing.problems,
          "listing titles met other problems than the listing");
    Check(titles.size() == listing.records.size() + 1, "appending lost or added titles");
    ListPackTitles(pack, true, titles);
    Check(titles.size() == listing.records.size(), "resetting kept old titles");
    for (std::size_t k = 0; k < titles.size(); ++k)
        Check(std::size_t(titles[k].size()) == listing.records[k].title.size(),
              "a title changed length when decoded");

    const int count = listing.header.pictureCount;
    const int chosen = size > 3 ? static_cast<std::int8_t>(data[size - 1]) : -1;
    for (const int number : {0, 1, count, count + 1, chosen}) {
        const PackProblems problems = ExtractPicture(pack, number, output);
        const int wanted = number == 0 ? 1 : number;
        if (wanted >= 1 && std::size_t(wanted) <= listing.records.size()) {
            const PackRecord& record = listing.records[std::size_t(wanted) - 1];
            CheckExtracted(output, record, data, size);
            PackProblems expected;
            if (listing.header.magic != kPackMagic)
                expected.push_back({PackProblem::Kind::BadMagic, "scratch.qdr"});
            if (record.dataOffset + record.dataLength > size)
                expected.push_back({PackProblem::Kind::DataCutShort, kReadOutTheFile});
            Check(problems == expected, "extraction reported the wrong problems");
        } else {
            Check(!problems.empty(), "a picture the listing lacks was extracted silently");
            Check(fs::file_size(output) == 0, "a refused extraction wrote something");
        }
        fs::remove(output);
    }

    PackCatalogue catalogue;
    const PackProblems problems = ScanPacks(catalogue, {directory});
    int found = 0;
    for (int c = 0; c < kCategoryCount; ++c)
        found += catalogue.packCount[c];
    const bool sound = listing.header.complete && listing.header.magic == kPackMagic && count >= 0;
    const bool shown = sound && IsCategory(listing.header.category);
    Check(found == (shown ? 1 : 0), "the catalogue miscounts the pack");
    Check(problems.size() == (sound ? 0u : 1u), "the catalogue misreports the pack");
    if (shown)
        Check(catalogue.pictureTotal[listing.header.category] == count,
              "the catalogue miscounts pictures");

    fs::remove(pack);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        ReadEverything(data, size);
    } catch (const FileError& error) {
        // Nothing here should fail to open, but a full disk is no reader bug.
        std::fprintf(stderr, "%s\n", error.what());
    }
    return 0;
}
