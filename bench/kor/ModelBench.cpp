#include "gridlore/CoordinateSystem.h"

#include "kor/Definitions.h"
#include "kor/KORDef.h"
#include "kor/KORException.h"
#include "kor/KnownCatalogue.h"
#include "kor/ProjectionDef.h"
#include "kor/SystemList.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

namespace {

/// Reads every name, kind and code of the known list, as the browser's first rebuild does.
void EnumerateKnownSystems(benchmark::State& state) {
    auto const& list = kor::KORKnownSystemsList;
    std::size_t characters = 0;
    for (int position = list.First(); position <= list.Last(); ++position) {
        characters += list.EnumEntry(position)->name.size() +
                      static_cast<std::size_t>(list.EnumType(position) + list.EnumPOSC(position));
    }
    benchmark::DoNotOptimize(characters);
    state.counters["systems"] = list.Count();
}

void KnownSystemsCold(benchmark::State& state) {
    for (auto _ : state) {
        kor::InstallKnownCatalogue(kor::OpenRegistryCatalogue());
        EnumerateKnownSystems(state);
    }
    kor::InstallKnownCatalogue(nullptr);
}
BENCHMARK(KnownSystemsCold)->Unit(benchmark::kMillisecond)->Iterations(5);

// The first start after the registry changed: the list is read from the registry and cached.
void KnownSystemsColdUncached(benchmark::State& state) {
    auto const cache = std::filesystem::temp_directory_path() / "gridlore-bench-cache";
    ::setenv("XDG_CACHE_HOME", cache.c_str(), 1);
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove_all(cache);
        state.ResumeTiming();
        kor::InstallKnownCatalogue(kor::OpenRegistryCatalogue());
        EnumerateKnownSystems(state);
    }
    kor::InstallKnownCatalogue(nullptr);
    std::filesystem::remove_all(cache);
    ::unsetenv("XDG_CACHE_HOME");
}
BENCHMARK(KnownSystemsColdUncached)->Unit(benchmark::kMillisecond)->Iterations(5);

void KnownSystemsWarm(benchmark::State& state) {
    EnumerateKnownSystems(state);
    for (auto _ : state) {
        EnumerateKnownSystems(state);
    }
}
BENCHMARK(KnownSystemsWarm)->Unit(benchmark::kMicrosecond);

/// What a caller pays that builds every full definition of the list, as opposed to
/// reading names, kinds and codes.
void KnownSystemsAllDefinitions(benchmark::State& state) {
    for (auto _ : state) {
        kor::InstallKnownCatalogue(kor::OpenRegistryCatalogue());
        auto const& list = kor::KORKnownSystemsList;
        int built = 0;
        for (int position = list.First(); position <= list.Last(); ++position) {
            built += static_cast<int>(list.Enum(position) != nullptr);
        }
        state.counters["built"] = built;
    }
    kor::InstallKnownCatalogue(nullptr);
}
BENCHMARK(KnownSystemsAllDefinitions)->Unit(benchmark::kMillisecond)->Iterations(1);

void CreateByCode(benchmark::State& state) {
    std::wstring const text = L"EPSG:" + std::to_wstring(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(kor::CreateCSDefByDefinition(text));
    }
}
BENCHMARK(CreateByCode)->Arg(4326)->Arg(32633)->Arg(2154)->Unit(benchmark::kMicrosecond);

void Query(benchmark::State& state, wchar_t const* text) {
    benchmark::DoNotOptimize(kor::QueryCSDefinitions(text, 1));
    for (auto _ : state) {
        benchmark::DoNotOptimize(kor::QueryCSDefinitions(text, 1));
    }
}
BENCHMARK_CAPTURE(Query, WGS_84, L"WGS 84")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Query, UTM_zone_33, L"UTM zone 33")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Query, Lambert_93, L"Lambert 93")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Query, France, L"France")->Unit(benchmark::kMicrosecond);

void DescriptionOfRegistrySystem(benchmark::State& state) {
    Gridlore::CoordinateSystem const system(*kor::CreateCSDefByDefinition(L"EPSG:32633"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(system.GetDescription());
    }
}
BENCHMARK(DescriptionOfRegistrySystem)->Unit(benchmark::kMicrosecond);

/// A system without a code asks the registry which system it equals.
void DescriptionOfCustomSystem(benchmark::State& state) {
    auto definition = kor::CreateCSDefByDefinition(L"EPSG:32633");
    static_cast<kor::KORDef&>(*definition).SetPOSC(0);
    Gridlore::CoordinateSystem const system(*definition);
    for (auto _ : state) {
        benchmark::DoNotOptimize(system.GetDescription());
    }
}
BENCHMARK(DescriptionOfCustomSystem)->Unit(benchmark::kMillisecond);

/// Reading the text of a .prj, which carries no code, includes identifying its system
/// (goal: under 5 ms a file). The last argument is a system of no registry's.
void ReadPrjText(benchmark::State& state) {
    auto definition = kor::CreateCSDefByDefinition(L"EPSG:" + std::to_wstring(state.range(0)));
    if (state.range(1) != 0) {
        auto& referenced = static_cast<kor::KORDef&>(*definition);
        referenced.SetPOSC(0);
        kor::ProjectionDef projection = *referenced.GetProjection();
        projection.SetParameter(kor::ProjectionDef::FalseEasting, 12345.0);
        referenced.SetProjection(&projection);
    }
    std::wstring const prj = kor::ExportDefinition(*definition, kor::DefinitionFormat::WKT1ESRI);
    int code = 0;
    for (auto _ : state) {
        code = static_cast<kor::KORDef&>(*kor::CreateCSDefByDefinition(prj)).GetPOSC();
    }
    state.counters["code"] = code;
}
BENCHMARK(ReadPrjText)
    ->Args({27700, 0})
    ->Args({2154, 0})
    ->Args({32633, 0})
    ->Args({4326, 0})
    ->Args({27700, 1})
    ->Unit(benchmark::kMillisecond);

/// Text that is no definition, as a fuzzer or a stray paste gives it: refused, not searched.
void CreateFromBadText(benchmark::State& state, wchar_t const* text) {
    for (auto _ : state) {
        try {
            benchmark::DoNotOptimize(kor::CreateCSDefByDefinition(text));
        } catch (kor::KORException const&) {
        }
    }
}
BENCHMARK_CAPTURE(CreateFromBadText, broken_keyword, L"PROXCS[\"x\",GEOGCS[\"y\"]]")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CreateFromBadText, unknown_name, L"Nowhere 1900 / No grid")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CreateFromBadText, unknown_authority, L"FOO:1234")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CreateFromBadText, unknown_compound, L"EPSG:4326+FOO")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CreateFromBadText, bad_urn, L"urn:ogc:def:crs:EPSG::x")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CreateFromBadText, bad_proj_string, L"+proj=xyz +a=1")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(
    CreateFromBadText, bad_wkt,
    L"GEOGCS[\"x\",DATUM[\"nowhere\",SPHEROID[\"s\",1,0]],PRIMEM[\"p\",0],UNIT[\"u\",1]]")
    ->Unit(benchmark::kMicrosecond);

} // namespace
