// Every unit's size by definition against GNU units, a general converter with data
// of its own: a slipped digit, the wrong pound or the wrong calorie in the
// catalogue shows here. Run by ctest as core.definitions_vs_gnu_units; without the
// `units` program it fails, since a check that quietly does not run proves nothing.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue.h"
#include "factors.h"

extern char** environ;

namespace quantivex {
namespace {

// How GNU units names each unit. Most differ only in spelling. Where GNU units
// means another unit by the same name, `convention` says why, and `expression`
// is what can still be compared; `theirs` is its own unit, shown for reference.
struct Oracle {
    std::u16string_view symbol;
    const char* expression;
    const char* convention = nullptr;
    const char* theirs = nullptr;
};

constexpr Oracle kOracles[] = {
    {u"t", "tonne"},
    {u"kg", "kg"},
    {u"lb", "lb"},
    {u"oz", "oz"},
    {u"g", "g"},
    {u"mg", "mg"},
    {u"\u03BCg", "ug"},
    {u"ng", "ng"},
    {u"pg", "pg"},
    {u"km", "km"},
    {u"m", "m"},
    {u"yd", "yd"},
    {u"ft", "ft"},
    {u"in", "inch"},
    {u"cm", "cm"},
    {u"mm", "mm"},
    {u"\u03BCm", "um"},
    {u"nm", "nm"},
    {u"\u212B", "angstrom"},
    {u"ac", "acre"},
    {u"ha", "hectare"},
    {u"a", "are"},
    {u"m2", "m^2"},
    {u"ft2", "ft^2"},
    {u"in2", "inch^2"},
    {u"cm2", "cm^2"},
    {u"mm2", "mm^2"},
    {u"m3", "m^3"},
    {u"kl", "kL"},
    {u"ft3", "ft^3"},
    {u"gal", "usgallon"},
    {u"l", "liter"},
    {u"in3", "inch^3"},
    {u"cm3", "cm^3"},
    {u"year", "365.2564 day",
     "its year is the tropical year (365.2422 days); the table's is 365.2564 days, near the sidereal year",
     "siderealyear"},
    {u"day", "day"},
    {u"hr", "hour"},
    {u"min", "minute"},
    {u"sec", "s"},
    {u"Kg", "kgf"},
    {u"Lb", "lbf"},
    {u"N", "N"},
    {u"G", "gram force"},
    {u"dyn", "dyne"},
    {u"kWhr", "kWh"},
    {u"kcal", "4.1855 kJ",
     "its cal is the thermochemical 4.184 J and its cal_15 4.1858 J; the table's 860.112 kcal per kWhr is a "
     "15 degC calorie of 4.1855 J",
     "1000 cal_15"},
    {u"Btu", "btu_IT"},
    {u"cal", "4.1855 J", "as for kcal", "cal_15"},
    {u"joul", "J"},
    {u"atm", "atm"},
    {u"bar", "bar"},
    {u"Kg/cm2", "kgf/cm^2"},
    {u"Lb/in2", "lbf/inch^2"},
    // GNU units reads "mH2O" as a milli-H2O; its H2O is the conventional 1 gf/cm3.
    {u"mH2O", "m H2O"},
    {u"mmHg", "mmHg"},
    {u"Torr", "torr"},
    {u"Pa", "Pa"},
    {u"hPa", "hPa"},
    {u"kPa", "kPa"},
    {u"MPa", "MPa"},
};

// The SI unit each category's sizes are in, as GNU units writes it.
const char* siUnitOf(std::u16string_view code) {
    constexpr std::pair<std::u16string_view, const char*> units[] = {
        {u"M", "kg"}, {u"L", "m"}, {u"S", "m^2"}, {u"B", "m^3"}, {u"T", "s"}, {u"F", "N"}, {u"J", "J"}, {u"P", "Pa"},
    };
    for (const auto& [c, unit] : units) {
        if (c == code) return unit;
    }
    return nullptr;
}

std::string utf8(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) {  // the symbols are all in the BMP
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

struct Run {
    int status = -1;  // exit status, -1 when it did not end normally
    std::string output;
};

// `units` with these arguments, no shell between: the expressions reach it as
// they are written. Only its default data file is read (-f ""), never a personal
// one, and numbers come out in the C locale. Nothing when it cannot be started.
std::optional<Run> runUnits(const char* expression, const char* unit, int& spawnError) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        spawnError = errno;
        return std::nullopt;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    std::vector<std::string> environment{"LC_ALL=C"};
    for (char** e = environ; *e != nullptr; ++e) {
        if (std::strncmp(*e, "LC_ALL=", 7) != 0) environment.emplace_back(*e);
    }
    std::vector<char*> envp;
    for (std::string& e : environment) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string args[] = {"units", "-f", "", "-t", "-o", "%.17g", expression, unit};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    spawnError = posix_spawnp(&pid, "units", &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawnError != 0) {
        close(pipeEnds[0]);
        return std::nullopt;
    }
    Run run;
    char buffer[512];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) != 0;) {
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) break;
        run.output.append(buffer, static_cast<std::size_t>(n));
    }
    close(pipeEnds[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    while (!run.output.empty() && (run.output.back() == '\n' || run.output.back() == ' ')) run.output.pop_back();
    return run;
}

// The one number a successful terse run prints, or nothing.
std::optional<double> numberOf(const Run& run) {
    double value = 0;
    const char* end = run.output.data() + run.output.size();
    const auto [ptr, ec] = std::from_chars(run.output.data(), end, value);
    if (run.status != 0 || ec != std::errc() || ptr != end || run.output.empty()) return std::nullopt;
    return value;
}

const Oracle* oracleFor(std::u16string_view symbol) {
    for (const Oracle& o : kOracles) {
        if (o.symbol == symbol) return &o;
    }
    return nullptr;
}

}  // namespace
}  // namespace quantivex

int main() {
    using namespace quantivex;
    constexpr double kTolerance = 1e-9;
    int failures = 0;
    int agreed = 0;
    for (const Category& c : categories()) {
        const char* siUnit = siUnitOf(c.code);
        for (const Unit& u : c.units) {
            const std::string name = utf8(u.symbol);
            const Oracle* oracle = oracleFor(u.symbol);
            const std::optional<double> ours = unitDefinition(c.code, u.symbol);
            if (oracle == nullptr || siUnit == nullptr || !ours) {
                std::printf("FAIL %s: no GNU units name for it in this test\n", name.c_str());
                ++failures;
                continue;
            }
            int spawnError = 0;
            const std::optional<Run> run = runUnits(oracle->expression, siUnit, spawnError);
            if (!run) {
                std::fprintf(stderr,
                             "core.definitions_vs_gnu_units: cannot run GNU units (%s). It is the outside check "
                             "of every unit's definition: install the Debian package `units` (script/bootstrap "
                             "does).\n",
                             std::strerror(spawnError));
                return 1;
            }
            const std::optional<double> theirs = numberOf(*run);
            if (!theirs) {
                std::printf("FAIL %s: units '%s' %s said: %s\n", name.c_str(), oracle->expression, siUnit,
                            run->output.c_str());
                ++failures;
                continue;
            }
            const double apart = *ours / *theirs - 1;
            const bool agrees = std::fabs(apart) <= kTolerance;
            (agrees ? agreed : failures) += 1;
            std::printf("%s %-7s %.17g %s, GNU units '%s' = %.17g (%+.2g)\n", agrees ? "ok  " : "FAIL", name.c_str(),
                        *ours, siUnit, oracle->expression, *theirs, apart);
        }
    }
    std::printf("\nUnits where GNU units follows another convention, compared as written above:\n");
    for (const Oracle& o : kOracles) {
        if (o.convention == nullptr) continue;
        const std::u16string_view code = categoryOfSymbol(o.symbol);
        if (siUnitOf(code) == nullptr) continue;
        int spawnError = 0;
        const std::optional<Run> run = runUnits(o.theirs, siUnitOf(code), spawnError);
        const double theirs = run ? numberOf(*run).value_or(NAN) : NAN;  // shown only: NaN says it failed
        const double ours = unitDefinition(code, o.symbol).value_or(NAN);
        std::printf("  %s: %s; GNU units' %s is %.10g %s, %+.2g from ours\n", utf8(o.symbol).c_str(), o.convention,
                    o.theirs, theirs, siUnitOf(code), ours / theirs - 1);
    }
    std::printf("\n%d units agree with GNU units to %g, %d do not\n", agreed, kTolerance, failures);
    return failures == 0 ? 0 : 1;
}
