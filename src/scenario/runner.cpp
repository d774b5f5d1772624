#include "scenario/runner.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

#include "scenario/controlcheck.h"
#include "scenario/lexer.h"
#include "scenario/parser.h"
#include "scenario/session.h"

namespace scenario {
namespace {

struct Tally {
    int passed = 0;
    int failed = 0;
    bool unusable = false;
};

void runOne(const Source& source, std::ostream& out, Tally& tally) {
    ParsedScript script = parseScript(source.text);
    for (Problem& problem : checkControls(script.commands)) {
        script.problems.push_back(std::move(problem));
    }
    std::stable_sort(script.problems.begin(), script.problems.end(),
                     [](const Problem& a, const Problem& b) { return a.line < b.line; });
    if (!script.problems.empty()) {
        for (const Problem& problem : script.problems) {
            out << source.name << ':' << wholeNumber(problem.line) << ": " << problem.reason
                << '\n';
        }
        ++tally.failed;
        tally.unusable = true;
        return;
    }

    Session session;
    bool passed = true;
    for (const Command& command : script.commands) {
        const std::string got = session.run(command);
        if (got.empty()) continue;
        passed = false;
        // "expect V.text ..." is reported as "expected V.text ...".
        out << source.name << ':' << wholeNumber(command.line) << ": expected "
            << describe(command).substr(std::string_view("expect ").size()) << " got " << got
            << '\n';
    }
    ++(passed ? tally.passed : tally.failed);
}

std::optional<std::string> readFile(const std::string& path) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                               &std::fclose);
    if (!file) return std::nullopt;
    std::string text;
    char buffer[65536];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        text.append(buffer, count);
    if (std::ferror(file.get())) return std::nullopt;
    return text;
}

int finish(const Tally& tally, std::ostream& out) {
    out << wholeNumber(tally.passed) << " passed, " << wholeNumber(tally.failed) << " failed\n";
    out.flush();
    if (tally.unusable) return kUnusable;
    return tally.failed > 0 ? kSomeFailed : kAllPassed;
}

}  // namespace

int runSources(const std::vector<Source>& sources, std::ostream& out) {
    Tally tally;
    for (const Source& source : sources) runOne(source, out, tally);
    return finish(tally, out);
}

int runFiles(const std::vector<std::string>& paths, std::ostream& out) {
    Tally tally;
    for (const std::string& path : paths) {
        const std::optional<std::string> text = readFile(path);
        if (!text) {
            out << path << ": cannot be read\n";
            ++tally.failed;
            tally.unusable = true;
            continue;
        }
        runOne(Source{path, *text}, out, tally);
    }
    return finish(tally, out);
}

}  // namespace scenario
