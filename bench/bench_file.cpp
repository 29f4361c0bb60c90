// Loading and saving a large mission beside a plain copy of the same bytes, in memory and
// through files, so that the cost of the model shows against the cost of the bytes alone.
#include <benchmark/benchmark.h>

#include <unistd.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <filesystem>
#include <fstream>

#include "mission_generator.h"
#include "model/mission_file.h"

namespace {

namespace fs = std::filesystem;

// glibc gives blocks of this size back to the system after each iteration and faults them in
// again in the next, which would measure page faults instead of copying. Keeping the memory makes
// both variants of each pair pay the same.
#if defined(__GLIBC__)
const bool allocatorKeepsMemory = [] {
  mallopt(M_MMAP_THRESHOLD, 64 * 1024 * 1024);
  mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
  return true;
}();
#endif

const std::vector<std::uint8_t>& largeFile() {
  static const std::vector<std::uint8_t> bytes = testgen::largeMissionFile();
  return bytes;
}

// A folder for the file benchmarks, holding the large mission as "source.kre".
struct Files {
  fs::path dir, source, target;
  Files() {
    dir = fs::temp_directory_path() / ("zyned-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    source = dir / "source.kre";
    target = dir / "target.kre";
    std::ofstream out(source, std::ios::binary);
    out.write(reinterpret_cast<const char*>(largeFile().data()),
              static_cast<std::streamsize>(largeFile().size()));
  }
  ~Files() {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
};

Files& files() {
  static Files f;
  return f;
}

void setBytes(benchmark::State& state) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(largeFile().size()) * 2);
  state.counters["file_bytes"] = static_cast<double>(largeFile().size());
}

// Memory: the bytes copied in and out, against parsing them into a Mission and writing it.
void MemoryPlainCopy(benchmark::State& state) {
  const auto& file = largeFile();
  for (auto _ : state) {
    std::vector<std::uint8_t> in(file.begin(), file.end());
    benchmark::DoNotOptimize(in.data());
    std::vector<std::uint8_t> out(in.begin(), in.end());
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
  }
  setBytes(state);
}
BENCHMARK(MemoryPlainCopy)->Unit(benchmark::kMicrosecond);

void MemoryReadWrite(benchmark::State& state) {
  const auto& file = largeFile();
  for (auto _ : state) {
    model::Mission m;
    if (!model::readMission(file, m).ok()) state.SkipWithError("refused");
    std::vector<std::uint8_t> out = model::writeMission(m);
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
  }
  setBytes(state);
}
BENCHMARK(MemoryReadWrite)->Unit(benchmark::kMicrosecond);

// Files: read the whole file and write it back through the same safe save (temporary file,
// sync, rename), against loading it as a Mission and saving that.
void FilePlainCopy(benchmark::State& state) {
  Files& f = files();
  for (auto _ : state) {
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (!model::readWholeFile(f.source.string(), bytes, error)) state.SkipWithError("read");
    if (!model::saveFile(f.target.string(), bytes).ok) state.SkipWithError("write");
  }
  setBytes(state);
}
BENCHMARK(FilePlainCopy)->Unit(benchmark::kMicrosecond)->UseRealTime();

void FileLoadSave(benchmark::State& state) {
  Files& f = files();
  for (auto _ : state) {
    model::Mission m;
    if (!model::loadMissionFile(f.source.string(), m).ok()) state.SkipWithError("refused");
    if (!model::saveMissionFile(m, f.target.string()).ok) state.SkipWithError("write");
  }
  setBytes(state);
}
BENCHMARK(FileLoadSave)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
