// Times ReadExchangeFile on a generated exchange file of one million element lines against a
// plain line count of the same file (read() in 64 KiB chunks, LF counted with memchr).
//
//   bench_reader [--lines N] [--rounds N] [--file PATH] [--keep]
//
// Prints the medians, "ratio: N" (reading / counting), lines per second and the peak memory of
// reading while the state holds everything.
#include <fcntl.h>
#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "exchange/exchange_state.h"
#include "exchange/reader.h"

namespace {

using Clock = std::chrono::steady_clock;

// CPU time of this thread, which a busy machine does not inflate the way it inflates wall time.
double CpuMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

struct Options {
  long lines = 1000000;
  int rounds = 7;
  std::string file;
  bool keep = false;
};

// A fixed linear congruential generator, so that every run reads the same bytes.
class Random {
 public:
  std::uint32_t Next() {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<std::uint32_t>(state_ >> 33);
  }
  std::uint32_t Below(std::uint32_t n) { return Next() % n; }

 private:
  std::uint64_t state_ = 20261207;
};

// A coordinate with 6 or 7 significant digits: -9999.999 .. 9999.999 or with two decimals.
void AppendCoordinate(std::string& out, Random& random) {
  char text[32];
  const int whole = static_cast<int>(random.Below(10000000)) - 5000000;
  const int length = random.Below(4) == 0
                         ? std::snprintf(text, sizeof text, "%.2f", whole / 100.0 / 10.0)
                         : std::snprintf(text, sizeof text, "%.3f", whole / 1000.0 * 2.0);
  out.append(text, static_cast<std::size_t>(length));
}

void AppendCoordinates(std::string& out, Random& random, int count) {
  for (int i = 0; i < count; ++i) {
    if (i > 0) out += ' ';
    AppendCoordinate(out, random);
  }
}

const char* const kHeader =
    "file=C:\\drawings\\plan 1.drw\r\n"
    "hk 0\r\n"
    "hs 1 1 1 50 100 1 1 1 1 1 1 1 1 1 1 1\r\n"
    "hzs 841 594\r\n"
    "hcw 2 2.5 3 3.5 4 5 6 7 8 10\r\n"
    "hch 2 2.5 3 3.5 4 5 6 7 8 10\r\n"
    "hcd 0 0 0.5 0.5 0.5 1 1 1 1 1\r\n"
    "hcc 1 2 3 4 5 6 7 8 9 1\r\n"
    "lg0\r\nly0\r\nlc1\r\nlt1\r\nlw0\r\ncn3\r\n"
    "cn\"$<\x82l\x82r \x83S\x83V\x83"
    "b\x83N>\r\n"
    "hp1 0 0\r\nhp2 1000 0\r\nhp3 500 300\r\n";

// "寸法テキスト" in Shift_JIS.
const char* const kText = "\x90\xa1\x96\x40\x83\x65\x83\x4c\x83\x58\x83\x67";

void GenerateFile(const std::string& path, long lines) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) {
    std::perror(path.c_str());
    std::exit(2);
  }
  Random random;
  std::string out = kHeader;
  const char* const attributes[] = {"lc2", "lc1", "lt1", "lt2", "ly1", "ly0", "lw0", "pn3"};
  for (long i = 0; i < lines; ++i) {
    const std::uint32_t pick = random.Below(100);
    if (pick < 72) {
      AppendCoordinates(out, random, 4);
    } else if (pick < 80) {
      out += "ci ";
      AppendCoordinates(out, random, 3);
    } else if (pick < 82) {
      out += "ci ";
      AppendCoordinates(out, random, 5);
      out += " 1 0";
    } else if (pick < 88) {
      out += "ch ";
      AppendCoordinates(out, random, 2);
      out += " 1 0 \"";
      out += kText;
      out += std::to_string(random.Below(1000));
    } else if (pick < 91) {
      out += random.Below(2) == 0 ? "z3" : "z1";
    } else if (pick < 97) {
      out += attributes[random.Below(8)];
    } else {
      out += "pt ";
      AppendCoordinates(out, random, 2);
    }
    out += "\r\n";
    if (out.size() > (1 << 20)) {
      std::fwrite(out.data(), 1, out.size(), file);
      out.clear();
    }
  }
  std::fwrite(out.data(), 1, out.size(), file);
  std::fclose(file);
}

long CountLines(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY);
  if (fd < 0) return -1;
  static char chunk[64 * 1024];
  long count = 0;
  for (;;) {
    const ssize_t got = ::read(fd, chunk, sizeof chunk);
    if (got <= 0) break;
    const char* p = chunk;
    const char* const end = chunk + got;
    while (
        (p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p))))) {
      ++count;
      ++p;
    }
  }
  ::close(fd);
  return count;
}

// A field of /proc/self/status in KiB, 0 when it cannot be read.
long StatusKiB(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  const std::size_t length = std::strlen(field);
  while (std::getline(status, line)) {
    if (line.compare(0, length, field) == 0) return std::stol(line.substr(length + 1));
  }
  return 0;
}

bool ResetPeakMemory() {
  std::ofstream clear("/proc/self/clear_refs");
  clear << "5";
  clear.flush();
  return static_cast<bool>(clear);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double Milliseconds(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

Options ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--lines" && i + 1 < argc) {
      options.lines = std::stol(argv[++i]);
    } else if (arg == "--rounds" && i + 1 < argc) {
      options.rounds = std::max(1, std::stoi(argv[++i]));
    } else if (arg == "--file" && i + 1 < argc) {
      options.file = argv[++i];
    } else if (arg == "--keep") {
      options.keep = true;
    } else {
      std::fprintf(stderr, "usage: %s [--lines N] [--rounds N] [--file PATH] [--keep]\n", argv[0]);
      std::exit(2);
    }
  }
  if (options.file.empty()) {
    options.file = (std::filesystem::temp_directory_path() /
                    ("bench_reader_" + std::to_string(::getpid()) + ".txt"))
                       .string();
  }
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = ParseOptions(argc, argv);
  GenerateFile(options.file, options.lines);
  const auto fileBytes = static_cast<double>(std::filesystem::file_size(options.file));
  const long fileLines = CountLines(options.file);
  std::printf("file: %s, %.1f MiB, %ld lines\n", options.file.c_str(), fileBytes / (1 << 20),
              fileLines);

  // Memory first, in a process that has not yet read anything.
  malloc_trim(0);
  const bool exactPeak = ResetPeakMemory();
  const long baseKiB = StatusKiB("VmRSS:");
  morven::exchange::ExchangeState state;
  morven::exchange::ResetExchangeState(state);
  if (!morven::exchange::ReadExchangeFile(state, options.file)) {
    std::fprintf(stderr, "reading failed\n");
    return 1;
  }
  const long peakKiB = StatusKiB("VmHWM:") - baseKiB;
  const long holdKiB = StatusKiB("VmRSS:") - baseKiB;
  const std::size_t elements = state.OrderList.size();
  morven::exchange::ReleaseExchangeState(state);
  malloc_trim(0);

  std::vector<double> countMs;
  std::vector<double> readMs;
  std::vector<double> countCpuMs;
  std::vector<double> readCpuMs;
  for (int round = 0; round < options.rounds; ++round) {
    for (int turn = 0; turn < 2; ++turn) {
      if ((round + turn) % 2 == 0) {
        const double cpu = CpuMilliseconds();
        const auto start = Clock::now();
        const long counted = CountLines(options.file);
        countMs.push_back(Milliseconds(Clock::now() - start));
        countCpuMs.push_back(CpuMilliseconds() - cpu);
        if (counted != fileLines) return 1;
      } else {
        morven::exchange::ResetExchangeState(state);
        const double cpu = CpuMilliseconds();
        const auto start = Clock::now();
        morven::exchange::ReadExchangeFile(state, options.file);
        readMs.push_back(Milliseconds(Clock::now() - start));
        readCpuMs.push_back(CpuMilliseconds() - cpu);
        morven::exchange::ReleaseExchangeState(state);
        malloc_trim(0);  // every round pays for fresh memory, like the program's one read
      }
    }
  }

  const double count = Median(countMs);
  const double read = Median(readMs);
  std::printf("elements read: %zu\n", elements);
  std::printf("line count (64 KiB read + memchr), median of %d: %.2f ms\n", options.rounds, count);
  std::printf("ReadExchangeFile, median of %d: %.2f ms\n", options.rounds, read);
  std::printf("ratio: %.1f\n", read / count);
  std::printf("cpu time medians: line count %.2f ms, reading %.2f ms, cpu ratio %.1f\n",
              Median(countCpuMs), Median(readCpuMs), Median(readCpuMs) / Median(countCpuMs));
  std::printf("lines per second: %.0f\n", static_cast<double>(fileLines) / (read / 1000.0));
  std::printf("peak memory of reading: %.1f MiB (%.2f x file size)%s\n", peakKiB / 1024.0,
              peakKiB * 1024.0 / fileBytes, exactPeak ? "" : " [peak not resettable: upper bound]");
  std::printf("memory holding the state: %.1f MiB (%.2f x file size)\n", holdKiB / 1024.0,
              holdKiB * 1024.0 / fileBytes);
  if (!options.keep) std::filesystem::remove(options.file);
  return 0;
}
