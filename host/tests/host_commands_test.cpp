#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <utility>

#include "host/tests/test_files.h"

namespace {

using morven::host::test::ReadBytes;
using morven::host::test::RunHost;
using morven::host::test::TempDir;

// A stand-in for the program: keeps a copy of what the host handed over, then answers.
std::string FakeProgram(const std::string& answerCommand) {
  return "dir=$(dirname \"$0\")\n"
         "cp \"$dir/JWC_TEMP.TXT\" \"$dir/seen.txt\"\n" +
         answerCommand + "\n";
}

const char* kDimensionAnswer =
    "printf 'lg0\\r\\nly0\\r\\nlc1\\r\\npn1\\r\\nlt1\\r\\nlw0\\r\\nz3\\r\\n0 200 0 700\\r\\n"
    "z3\\r\\n1000 200 1000 700\\r\\ncn1\\r\\nmsg\\r\\n0 500 1000 500\\r\\n"
    "cs -62.5 550 10 0 \"1,000.000\\r\\nz3\\r\\npt 0 500 1 180 1\\r\\nz3\\r\\n"
    "pt 1000 500 1 0 1\\r\\n' > \"$dir/JWC_TEMP.TXT\"";

const std::vector<std::string> kPoints = {"--points", "0,0", "1000,0", "500,500"};

std::vector<std::string> RunArgs(const std::string& program, std::vector<std::string> more = {}) {
  std::vector<std::string> args = {"run", "--program", program};
  args.insert(args.end(), kPoints.begin(), kPoints.end());
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

// A program that starts a child, does `then` and sleeps; both write their process numbers into
// files beside it.
std::string Sleeper(const std::string& then) {
  return "dir=$(dirname \"$0\")\n"
         "sleep 30 &\n"
         "echo $! > \"$dir/child.pid\"\n"
         "echo $$ > \"$dir/program.pid\"\n" +
         then +
         "\n"
         "sleep 30\n";
}

// The process of the number in the file has ended, within two seconds: it is gone, or a zombie
// that nobody has reaped.
::testing::AssertionResult EndsSoon(const std::filesystem::path& pidFile) {
  std::string pid = ReadBytes(pidFile);
  while (!pid.empty() && pid.back() == '\n') pid.pop_back();
  if (pid.empty()) return ::testing::AssertionFailure() << "no process number in " << pidFile;
  for (int i = 0; i < 200; ++i) {
    std::ifstream stat("/proc/" + pid + "/stat");
    std::string line;
    if (!std::getline(stat, line)) return ::testing::AssertionSuccess();
    const std::size_t name = line.rfind(')');
    if (name != std::string::npos && line.compare(name, 3, ") Z") == 0) {
      return ::testing::AssertionSuccess();
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return ::testing::AssertionFailure() << "process " << pid << " still runs";
}

TEST(RunTest, HostCycleWithAFakeProgram) {
  TempDir dir;
  const std::string program = dir.WriteScript("prog/morven", FakeProgram(kDimensionAnswer));
  const std::string svg = (dir.Path() / "out.svg").string();
  const auto result = RunHost(RunArgs(program, {"--scale", "100", "--svg", svg}));
  EXPECT_EQ(result.Code, 0) << result.Err;
  EXPECT_EQ(result.Err, "");

  const std::string answerFile = (dir.Path() / "prog" / "JWC_TEMP.TXT").string();
  EXPECT_EQ(result.Out.rfind("file: " + answerFile + "\ncontents: answer\n", 0), 0u) << result.Out;
  EXPECT_NE(result.Out.find("  message line (0, 500) to (1000, 500), text \"1,000.000\""),
            std::string::npos);
  // The settings shown are those handed over, not the reader's defaults for an answer.
  EXPECT_NE(result.Out.find("  layer group scales: 100 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\n"),
            std::string::npos);
  EXPECT_NE(result.Out.find("  line width: 1\n"), std::string::npos);
  EXPECT_NE(result.Out.find("points:\n  1: (0, 0)\n  2: (1000, 0)\n  3: (500, 500)\n"),
            std::string::npos);
  EXPECT_EQ(result.Out.substr(result.Out.size() - svg.size() - 6), "svg: " + svg + "\n");
  EXPECT_NE(ReadBytes(svg).find("<line class=\"dimension-line\" x1=\"0\" y1=\"500\""),
            std::string::npos);
}

TEST(RunTest, PreparedExchangeFileIsHandedOverAsItIsAndAMissingOneRunsNothing) {
  TempDir dir;
  const std::string program =
      dir.WriteScript("morven", FakeProgram("printf 'hq\\r\\n' > \"$dir/JWC_TEMP.TXT\""));
  const std::string missing = (dir.Path() / "nope.txt").string();
  const auto refused = RunHost({"run", "--exchange", missing, "--program", program});
  EXPECT_EQ(refused.Code, 1);
  EXPECT_EQ(refused.Err, "morven-host: no such file: " + missing + "\n");
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "seen.txt"));

  const std::string prepared = dir.Write("prepared.txt", "hk 45\r\nhp1 1 2\r\nodd line\n");
  const auto result = RunHost({"run", "--exchange", prepared, "--program", program});
  EXPECT_EQ(result.Code, 0) << result.Err;
  EXPECT_EQ(ReadBytes(dir.Path() / "seen.txt"), "hk 45\r\nhp1 1 2\r\nodd line\n");
}

TEST(RunTest, HowTheProgramEndsDecidesTheExitCode) {
  struct Case {
    const char* name;
    std::string answer;
    int code;
    std::string out;
    std::string err;  // with PATH standing for the exchange file
  };
  const Case cases[] = {
      {"hq", "printf 'hq\\r\\n' > \"$dir/JWC_TEMP.TXT\"", 0,
       "nothing was drawn (the program answered \"hq\")\n", ""},
      {"no file", "rm \"$dir/JWC_TEMP.TXT\"", 1, "",
       "morven-host: the program left no answer: PATH is missing\n"},
      {"untouched", "true", 1, "",
       "morven-host: the program did not answer: PATH still holds the host's input\n"},
      {"empty", ": > \"$dir/JWC_TEMP.TXT\"", 1, "",
       "morven-host: the program's answer is empty: PATH\n"},
      {"exit 3", "exit 3", 1, "", "morven-host: the program ended with exit code 3\n"},
      {"killed", "kill -9 $$", 1, "", "morven-host: the program was ended by signal 9\n"},
  };
  for (const Case& c : cases) {
    TempDir dir;
    const std::string program = dir.WriteScript("morven", FakeProgram(c.answer));
    const std::string svg = (dir.Path() / "out.svg").string();
    const auto result = RunHost(RunArgs(program, {"--svg", svg}));
    std::string err = c.err;
    if (const auto at = err.find("PATH"); at != std::string::npos) {
      err.replace(at, 4, (std::filesystem::canonical(dir.Path()) / "JWC_TEMP.TXT").string());
    }
    EXPECT_EQ(result.Code, c.code) << c.name;
    EXPECT_EQ(result.Out, c.out) << c.name;
    EXPECT_EQ(result.Err, err) << c.name;
    EXPECT_FALSE(std::filesystem::exists(svg)) << c.name;
  }
}

TEST(RunTest, JsonReportsNothingDrawnAsOneDocument) {
  TempDir dir;
  const std::string program =
      dir.WriteScript("morven", FakeProgram("printf 'hq\\r\\n' > \"$dir/JWC_TEMP.TXT\""));
  const auto result = RunHost(RunArgs(program, {"--json"}));
  EXPECT_EQ(result.Code, 0);
  EXPECT_EQ(result.Out.rfind("{\"file\":", 0), 0u) << result.Out;
  EXPECT_NE(result.Out.find("\"contents\":\"nothingDrawn\""), std::string::npos);
  EXPECT_EQ(result.Out.find("\"drawing\""), std::string::npos);
}

TEST(RunTest, ProgramPathsThatCannotRun) {
  TempDir dir;
  const std::string plain = dir.Write("plain", "not a program");
  const std::string missing = (dir.Path() / "missing").string();
  const std::string folder = dir.Path().string();
  const std::string noInterpreter = dir.WriteScript("broken", "");
  dir.Write("broken", "#!/nonexistent/shell\n");  // keeps its execute bits
  struct Case {
    std::string program;
    std::string err;
  };
  const Case cases[] = {
      {missing, "no such program: " + missing},
      {plain, "the program is not executable: " + plain},
      {folder, "the program is not a file: " + folder},
  };
  for (const Case& c : cases) {
    const auto result = RunHost(RunArgs(c.program));
    EXPECT_EQ(result.Code, 1) << c.program;
    EXPECT_EQ(result.Err, "morven-host: " + c.err + "\n");
  }
  const auto broken = RunHost(RunArgs(noInterpreter));
  EXPECT_EQ(broken.Code, 1);
  EXPECT_EQ(broken.Err.rfind("morven-host: cannot start ", 0), 0u) << broken.Err;
}

TEST(RunTest, DefaultProgramIsFoundBesideTheBuild) {
  TempDir dir;
  dir.WriteScript("build/tool/morven", FakeProgram("printf 'hq\\r\\n' > \"$dir/JWC_TEMP.TXT\""));
  const auto found = RunHost({"run", "--points", "0,0", "1,0", "1,1"},
                             dir.Path() / "build" / "host" / "morven-host");
  EXPECT_EQ(found.Code, 0) << found.Err;
  EXPECT_TRUE(std::filesystem::exists(dir.Path() / "build" / "tool" / "seen.txt"));

  dir.WriteScript("flat/morven", FakeProgram("printf 'hq\\r\\n' > \"$dir/JWC_TEMP.TXT\""));
  const auto beside =
      RunHost({"run", "--points", "0,0", "1,0", "1,1"}, dir.Path() / "flat" / "morven-host");
  EXPECT_EQ(beside.Code, 0) << beside.Err;

  const auto none =
      RunHost({"run", "--points", "0,0", "1,0", "1,1"}, dir.Path() / "host" / "morven-host");
  EXPECT_EQ(none.Code, 1);
  EXPECT_EQ(none.Err, "morven-host: cannot find the program (looked for " +
                          (dir.Path() / "tool" / "morven").string() + " and " +
                          (dir.Path() / "host" / "morven").string() + "); give --program PATH\n");
}

// The program's first lines: it and its child ignore SIGTERM, or it cleans up on SIGTERM.
const char* kIgnoresSigterm = "trap '' TERM\n";
const char* kCleansUp = "trap 'echo > \"$(dirname \"$0\")/cleaned\"; exit 0' TERM\n";

// What the program does with its answer on SIGTERM.
std::string OnSigterm(const std::string& command) {
  return "trap '" + command + " \"$(dirname \"$0\")/JWC_TEMP.TXT\"; exit 143' TERM\n";
}

TEST(RunTest, TimeoutEndsTheProgramAndItsChildrenAndSaysWhatItLeft) {
  const std::pair<std::string, std::string> cases[] = {
      {"", "left the host's input unanswered"},
      {kIgnoresSigterm, "left the host's input unanswered"},
      {kCleansUp, "left the host's input unanswered"},
      {OnSigterm("printf \"hq\\r\\n\" >"), "answered \"hq\": nothing was drawn"},
      {OnSigterm("rm"), "left no answer"},
      {OnSigterm("echo lg0 >"), "left an answer (morven-host inspect FOLDER/JWC_TEMP.TXT)"},
  };
  for (const auto& [before, left] : cases) {
    TempDir dir;
    const std::string program = dir.WriteScript("morven", before + Sleeper(""));
    const auto start = std::chrono::steady_clock::now();
    const auto result = RunHost(RunArgs(program, {"--timeout", "0.5"}));
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(result.Code, 1);
    EXPECT_EQ(result.Out, "");
    std::string expected = left;
    if (const auto folder = expected.find("FOLDER"); folder != std::string::npos) {
      expected.replace(folder, 6, dir.Path().string());
    }
    EXPECT_EQ(result.Err,
              "morven-host: the program was still running after 0.5 s (--timeout); it was ended "
              "with its children and " +
                  expected + "\n");
    EXPECT_GE(took, std::chrono::milliseconds(500));
    EXPECT_LT(took, std::chrono::seconds(5)) << before;
    EXPECT_TRUE(EndsSoon(dir.Path() / "program.pid"));
    EXPECT_TRUE(EndsSoon(dir.Path() / "child.pid"));
    EXPECT_EQ(std::filesystem::exists(dir.Path() / "cleaned"), before == kCleansUp) << before;
  }
}

// The signal comes from the program itself, to the host, which is this test.
TEST(RunTest, SigintAndSigtermEndTheProgramBeforeTheHost) {
  struct Case {
    int signal;
    const char* name;
    const char* programStart;
  };
  for (const Case c :
       {Case{SIGINT, "INT", ""}, Case{SIGTERM, "TERM", ""}, Case{SIGINT, "INT", kIgnoresSigterm},
        Case{SIGTERM, "TERM", kIgnoresSigterm}}) {
    const auto before = std::signal(c.signal, SIG_DFL);  // as for a host started from a terminal
    TempDir dir;
    const std::string program = dir.WriteScript(
        "morven", c.programStart + Sleeper(std::string("kill -") + c.name + " $PPID"));
    const auto start = std::chrono::steady_clock::now();
    const auto result = RunHost(RunArgs(program, {"--timeout", "20"}));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5)) << c.programStart;
    std::signal(c.signal, before);
    EXPECT_EQ(result.Code, 128 + c.signal) << c.name;
    EXPECT_EQ(result.Err, std::string("morven-host: interrupted by SIG") + c.name +
                              "; the program was ended\n");
    EXPECT_TRUE(EndsSoon(dir.Path() / "program.pid")) << c.name;
    EXPECT_TRUE(EndsSoon(dir.Path() / "child.pid")) << c.name;
  }
}

TEST(RunTest, ASignalTheHostIgnoresStaysIgnored) {
  const auto before = std::signal(SIGINT, SIG_IGN);  // as for a host started in the background
  TempDir dir;
  const std::string program = dir.WriteScript(
      "morven", FakeProgram("kill -INT $PPID; printf 'hq\\r\\n' > \"$dir/JWC_TEMP.TXT\""));
  const auto result = RunHost(RunArgs(program, {"--timeout", "10"}));
  std::signal(SIGINT, before);
  EXPECT_EQ(result.Code, 0) << result.Err;
  EXPECT_EQ(result.Out, "nothing was drawn (the program answered \"hq\")\n");
}

}  // namespace
