#include "host/host_commands.h"

#include <algorithm>
#include <csignal>
#include <fstream>
#include <ostream>
#include <sstream>

#include "exchange/exchange_file.h"
#include "host/exchange_summary.h"
#include "host/host_error.h"
#include "host/host_input.h"
#include "host/program_runner.h"
#include "host/run_options.h"
#include "host/summary_json.h"
#include "host/summary_text.h"
#include "host/svg_picture.h"
#include "numeric/cp932_text.h"

namespace morven::host {

namespace {

constexpr std::string_view kInspectUsage = R"(usage: morven-host inspect FILE [--json]

Shows what an exchange file holds: the host's settings, the initial
attributes, the numbered points, the elements, and for an answer of the
program the drawing step by step.

  --json   print the report as one JSON document

exit codes: 0 done, 1 a file that cannot be read or that the reader stopped
            part-way through, 2 a command line that cannot be carried out.
)";

constexpr std::string_view kRunUsage =
    R"(usage: morven-host run --points X1,Y1 X2,Y2 X3,Y3 [--angle DEG] [--scale S]
                       [--text-type N] [--text-size W,H,D,COLOR]
                       [--layer-group G] [--layer L] [--color C]
                       [--program PATH] [--timeout SECONDS] [--svg OUT.svg]
                       [--json]
       morven-host run --exchange FILE [--program PATH] [--timeout SECONDS]
                       [--svg OUT.svg] [--json]

Does what the host does: writes JWC_TEMP.TXT into the program's folder,
starts the program, waits for it to end, and shows the host settings it wrote
and the drawing the program answered. The program's dialog needs a display
(DISPLAY or WAYLAND_DISPLAY; DISPLAY for a Windows program under Wine).
Without one, host/press_enter_headless.sh morven-host run ... gives it a
virtual display and presses Enter.

  --points X1,Y1 X2,Y2 X3,Y3  the picked points: 1 and 2 are measured, 3 lies
                              on the dimension line
  --angle DEG                 the drawing angle in degrees (default 0)
  --scale S                   the scale of the current layer group (default 1)
  --text-type N               the current text type, 1 to 10, or 0 for the
                              free size (default 1)
  --text-size W,H,D,COLOR     width, height, gap (paper mm) and color of that
                              text type
  --layer-group G             the current layer group, 0 to 15 (default 0)
  --layer L                   the current layer, 0 to 15 (default 0)
  --color C                   the current line color (default 1)
  --exchange FILE             hand over a prepared exchange file as it is
  --program PATH              the program to start (default: morven beside
                              this build, in tool/ or in this folder); a
                              Windows program NAME.exe runs through wine,
                              in $WINEPREFIX or else a prefix kept in
                              ~/.cache/morven/wine-prefix
  --timeout SECONDS           end the program and its children when it is
                              still running after SECONDS, and fail
                              (default: wait as long as it runs)
  --svg OUT.svg               also draw the answer, y pointing up
  --json                      print the report as one JSON document

exit codes: 0 done (also when the program drew nothing), 1 failure (also
            without a display, or when --timeout ended the program), 2 a
            command line that cannot be carried out. On SIGINT or SIGTERM run
            ends the program and its children first, then itself by that
            signal.
)";

constexpr std::string_view kWinePrefixUsage = R"(usage: morven-host wine-prefix

Prints the Wine prefix in which run starts a Windows program: $WINEPREFIX,
or else one kept in $XDG_CACHE_HOME/morven/wine-prefix or
~/.cache/morven/wine-prefix.
)";

struct Verb {
  std::string_view Name;
  std::string_view Usage;
};
constexpr Verb kVerbs[] = {
    {"inspect", kInspectUsage}, {"run", kRunUsage}, {"wine-prefix", kWinePrefixUsage}};

std::string Usage() {
  std::string text;
  for (const Verb& verb : kVerbs) text += (text.empty() ? "" : "\n") + std::string(verb.Usage);
  return text;
}

bool IsHelp(const std::string& arg) {
  return arg == "--help" || arg == "-h";
}

void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) throw HostError("cannot write " + path.string());
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (!file) throw HostError("cannot write " + path.string());
}

int Inspect(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  bool json = false;
  std::vector<std::string> files;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--json") {
      json = true;
    } else if (args[i].rfind("--", 0) == 0) {
      throw UsageError("unknown option " + args[i]);
    } else {
      files.push_back(args[i]);
    }
  }
  if (files.size() != 1) throw UsageError("inspect needs exactly one FILE");

  const ExchangeSummary summary = SummarizeExchange(files[0], ReadFileBytes(files[0]));
  if (json) {
    PrintSummaryJson(summary, out);
  } else {
    PrintSummaryText(summary, out);
  }
  if (summary.ReadToEnd) return kExitOk;
  err << "morven-host: " << files[0] << ": the reader stopped part-way through the file\n";
  return kExitFailure;
}

// What a program that was ended left for the host: the answer a real host would now read.
std::string WhatWasLeft(const std::filesystem::path& exchangePath, const std::string& input) {
  std::error_code ec;
  if (!std::filesystem::exists(exchangePath, ec)) return "left no answer";
  const std::string answer = ReadFileBytes(exchangePath.string());
  if (answer == input) return "left the host's input unanswered";
  if (SummarizeExchange(exchangePath.string(), answer).Content == ContentKind::kNothingDrawn) {
    return "answered \"hq\": nothing was drawn";
  }
  return "left an answer (morven-host inspect " + exchangePath.string() + ")";
}

int Run(const std::vector<std::string>& args, const std::filesystem::path& selfPath,
        const std::vector<std::string>& environment, std::ostream& out, std::ostream& err) {
  const RunOptions options = ParseRunOptions({args.begin() + 1, args.end()});
  const std::filesystem::path program = CheckProgram(
      options.Program ? std::filesystem::path(*options.Program) : FindDefaultProgram(selfPath));
  RequireDisplay(program, environment);
  const std::filesystem::path exchangePath = program.parent_path() / exchange::kExchangeFileName;

  const std::string input = options.ExchangeFile ? ReadFileBytes(*options.ExchangeFile)
                                                 : BuildExchangeText(options.Input);
  WriteFileBytes(exchangePath, input);

  const ProgramEnd end =
      RunProgramAndWait(BuildProgramCommand(program, environment), options.TimeoutSeconds);
  if (end.HostSignal != 0) {
    throw Interrupted(end.HostSignal, std::string("interrupted by ") +
                                          (end.HostSignal == SIGINT ? "SIGINT" : "SIGTERM") +
                                          "; the program was ended");
  }
  if (end.TimedOut) {
    std::ostringstream seconds;
    seconds << *options.TimeoutSeconds;
    throw HostError("the program was still running after " + seconds.str() +
                    " s (--timeout); it was ended with its children and " +
                    WhatWasLeft(exchangePath, input));
  }
  if (!end.Exited) {
    throw HostError("the program was ended by signal " + std::to_string(end.Code));
  }
  if (end.Code != 0)
    throw HostError("the program ended with exit code " + std::to_string(end.Code));

  std::error_code ec;
  if (!std::filesystem::exists(exchangePath, ec)) {
    throw HostError("the program left no answer: " + exchangePath.string() + " is missing");
  }
  const std::string answer = ReadFileBytes(exchangePath.string());
  if (answer == input) {
    throw HostError("the program did not answer: " + exchangePath.string() +
                    " still holds the host's input");
  }

  const ExchangeSummary summary = SummarizeExchange(exchangePath.string(), answer);
  if (summary.Content == ContentKind::kEmpty) {
    throw HostError("the program's answer is empty: " + exchangePath.string());
  }
  if (summary.Content == ContentKind::kNothingDrawn && !options.Json) {
    out << "nothing was drawn (the program answered \"hq\")\n";
    return kExitOk;
  }
  // The answer holds no host settings of its own: those shown are the ones the program was given.
  const ExchangeSummary given = SummarizeExchange(exchangePath.string(), input);
  if (options.Json) {
    PrintSummaryJson(summary, given.State, out);
  } else {
    PrintSummaryText(summary, given.State, out);
  }
  if (options.SvgPath && summary.Content != ContentKind::kNothingDrawn) {
    WriteFileBytes(*options.SvgPath, DrawAnswerSvg(given.State, summary.State));
    if (!options.Json) out << "svg: " << *options.SvgPath << "\n";
  }
  if (summary.ReadToEnd) return kExitOk;
  err << "morven-host: " << exchangePath.string()
      << ": the reader stopped part-way through the answer\n";
  return kExitFailure;
}

}  // namespace

int RunHostCommand(const std::vector<std::string>& args, const std::filesystem::path& selfPath,
                   const std::vector<std::string>& environment, std::ostream& out,
                   std::ostream& err) {
  try {
    if (args.empty()) {
      err << Usage();
      return kExitUsage;
    }
    const std::string& command = args[0];
    if (command == "help" || IsHelp(command)) {
      out << Usage();
      return kExitOk;
    }
    for (const Verb& verb : kVerbs) {
      if (command == verb.Name && std::any_of(args.begin() + 1, args.end(), IsHelp)) {
        out << verb.Usage;
        return kExitOk;
      }
    }
    if (command == "inspect") return Inspect(args, out, err);
    if (command == "run") return Run(args, selfPath, environment, out, err);
    if (command == "wine-prefix") {
      if (args.size() != 1) throw UsageError("wine-prefix takes no arguments");
      out << WinePrefixFor(environment).Path.string() << "\n";
      return kExitOk;
    }
    throw UsageError("unknown command '" + command + "' (try morven-host --help)");
  } catch (const Interrupted& e) {
    err << "morven-host: " << e.what() << "\n";
    return kExitSignalBase + e.Signal();
  } catch (const UsageError& e) {
    err << "morven-host: " << e.what() << "\n";
    return kExitUsage;
  } catch (const HostError& e) {
    err << "morven-host: " << e.what() << "\n";
    return kExitFailure;
  } catch (const std::exception& e) {
    // The project's own errors carry Shift_JIS messages.
    err << "morven-host: " << numeric::Cp932ToUtf8(e.what()) << "\n";
    return kExitFailure;
  }
}

}  // namespace morven::host
