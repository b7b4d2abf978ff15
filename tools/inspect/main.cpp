// armalyx-inspect: loads the two data files of the working directory exactly as the program does
// and prints the data store as one JSON document.
#include "InspectWindowOptions.h"
#include "StoreReport.h"
#include "TInspectOptions.h"
#include "TJsonWriter.h"

#include "ArmalyxVersion.h"
#include "Production1.h"

#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// Loads the store; gives the error message as the program would show it, if there is one.
std::optional<std::string> Load() {
    try {
        Production1::LoadProductionData();
    } catch (const Production1::TInOutError& error) {
        return Armalyx::MessageAsShown(error.what());
    }
    return std::nullopt;
}

void ComputeSpan(const TInspectOptions& options) {
    Production1::TProductionStore& store = Production1::Store();
    const auto& [startMonth, startYear, endMonth, endYear] = options.SpanChoices;
    store.SetSpanChoices({startMonth, startYear, endMonth, endYear});
    store.SelectedVehicle = options.Vehicle.value_or(1);
    store.LendLeaseSelected = options.LendLease;
    Production1::ComputeSpanTotals();
}

// Prints what needs a look, one line each; the status is 1 when anything does.
int Check() {
    const std::optional<std::string> failure = Load();
    if (failure) {
        std::cerr << "armalyx-inspect: " << *failure << '\n';
        return kExitFailure;
    }
    const std::vector<std::string> lines = Armalyx::ProblemLines(Production1::Store());
    for (const std::string& line : lines) {
        std::cout << line << '\n';
    }
    std::cout.flush();
    return lines.empty() ? 0 : kExitFailure;
}

int Inspect(const TInspectOptions& options, TWindowOptions& windowOptions) {
    const std::optional<std::string> failure = Load();
    if (options.Span) {
        ComputeSpan(options);
    }
    TJsonWriter json(std::cout);
    json.BeginObject();
    Armalyx::WriteStoreReport(json, options.Span ? TSpanPart::Included : TSpanPart::Omitted);
    const std::vector<std::string> unwritten = windowOptions.Report(json);
    json.Key("Error");
    if (failure) {
        json.String(*failure);
    } else {
        json.Null();
    }
    json.EndObject();
    std::cout.flush();
    if (failure) {
        std::cerr << *failure << '\n';
    }
    for (const std::string& picture : unwritten) {
        std::cerr << "armalyx-inspect: " << picture << '\n';
    }
    return failure || !unwritten.empty() ? kExitFailure : 0;
}

} // namespace

int main(int argc, char** argv) {
    try {
        const std::vector<std::string_view> args(argv + 1, argv + argc);
        TInspectOptions options;
        TWindowOptions windowOptions;
        if (const std::string error = options.Parse(args, windowOptions); !error.empty()) {
            std::cerr << "armalyx-inspect: " << error << '\n' << TInspectOptions::Usage();
            return kExitUsage;
        }
        if (options.Help) {
            std::cout << TInspectOptions::Usage();
            return 0;
        }
        if (options.Version) {
            std::cout << "armalyx-inspect " << kArmalyxVersion << '\n';
            return 0;
        }
        if (options.Check) {
            return Check();
        }
        return Inspect(options, windowOptions);
    } catch (const std::exception& error) {
        std::cerr << "armalyx-inspect: " << Armalyx::MessageAsShown(error.what()) << '\n';
        return kExitFailure;
    }
}
