// Every registry system written by us and read back must still be that system. This
// runs over the whole installed registry, so it reports figures rather than exact counts;
// GRIDLORE_LIST_FAILURES=1 also lists the codes whose .prj did not come back.
#include "korfile/ReferenceFile.h"

#include "kor/Definitions.h"
#include "kor/KORDef.h"
#include "kor/KORException.h"
#include "kor/SystemList.h"
#include "shr/Utf8.h"

#include "ScratchDirectory.h"

#include <gtest/gtest.h>
#include <proj.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>

namespace {

using ProjObject = std::unique_ptr<PJ, decltype(&proj_destroy)>;

class Proj {
public:
    Proj()
        : m_context(proj_context_create()) {}
    Proj(Proj const&) = delete;
    Proj& operator=(Proj const&) = delete;
    ~Proj() { proj_context_destroy(m_context); }

    ProjObject Create(std::string const& definition) const {
        return {proj_create(m_context, definition.c_str()), &proj_destroy};
    }

    /// Equivalent, or equivalent once both are put in east/north order: a .prj file
    /// cannot say which axis comes first, so that is all it can be asked to keep.
    bool Equivalent(PJ* ours, PJ* theirs) const {
        if (ours == nullptr || theirs == nullptr) {
            return false;
        }
        if (proj_is_equivalent_to_with_ctx(m_context, ours, theirs,
                                           PJ_COMP_EQUIVALENT_EXCEPT_AXIS_ORDER_GEOGCRS) != 0) {
            return true;
        }
        ProjObject const a(proj_normalize_for_visualization(m_context, ours), &proj_destroy);
        ProjObject const b(proj_normalize_for_visualization(m_context, theirs), &proj_destroy);
        return a && b &&
               proj_is_equivalent_to_with_ctx(m_context, a.get(), b.get(),
                                              PJ_COMP_EQUIVALENT_EXCEPT_AXIS_ORDER_GEOGCRS) != 0;
    }

    std::string EsriWkt(PJ* object) const {
        char const* options[] = {"MULTILINE=NO", nullptr};
        char const* text = proj_as_wkt(m_context, object, PJ_WKT1_ESRI, options);
        return text != nullptr ? text : "";
    }

private:
    PJ_CONTEXT* m_context;
};

struct Tally {
    int passed = 0;
    int total = 0;
    std::map<std::wstring, int> failuresByMethod;

    void Count(bool ok, kor::CSDef const& definition) {
        ++total;
        if (ok) {
            ++passed;
            return;
        }
        auto const* referenced = dynamic_cast<kor::KORDef const*>(&definition);
        wchar_t const* method =
            referenced != nullptr && referenced->GetProjection() != nullptr
                ? kor::ProjectionDef::MethodToName(referenced->GetProjection()->GetMethod())
                : L"Geographic";
        ++failuresByMethod[method != nullptr ? method : L"?"];
    }
    double Share() const { return total == 0 ? 0.0 : 100.0 * passed / total; }
    void Report(char const* what) const {
        std::cout << what << ": " << passed << " of " << total << " (" << Share() << "%)\n";
        for (auto const& [method, count] : failuresByMethod) {
            std::cout << "    failed " << count << " x " << shr::ToUtf8(method) << '\n';
        }
    }
};

/// The system read back from `path`, exported for PROJ, as a PROJ object.
ProjObject ReadBackForProj(Proj const& proj, std::filesystem::path const& path) {
    try {
        auto const read = korfile::ReadReferenceFile(korfile::WKT, path, 0, 0);
        if (!read) {
            return {nullptr, &proj_destroy};
        }
        return proj.Create(
            shr::ToUtf8(kor::ExportDefinition(*read, kor::DefinitionFormat::PROJJSON)));
    } catch (kor::KORException const&) {
        return {nullptr, &proj_destroy};
    }
}

} // namespace

TEST(RegistryFileRoundTrip, registry_systems_survive_our_files_and_prj_files_by_others) {
    ScratchDirectory const scratch;
    std::filesystem::path const& dir = scratch.Path();
    Proj const proj;
    Tally qrf2;
    Tally ourPrj;
    Tally theirPrj;
    Tally projItself;
    auto const& systems = kor::KORKnownSystemsList;
    for (int index = systems.First(); index <= systems.Last(); ++index) {
        int const code = systems.EnumPOSC(index);
        if (systems.EnumType(index) != kor::CSDef::TypeReferenced || code <= 0) {
            continue;
        }
        kor::CSDef const* definition = systems.Enum(index);
        ASSERT_NE(definition, nullptr) << "EPSG:" << code;
        ProjObject const registry = proj.Create("EPSG:" + std::to_string(code));

        korfile::WriteReferenceFile(*definition, korfile::QRF2, dir / "s.qrf2", 0, 0, false);
        auto const back = korfile::ReadReferenceFile(korfile::QRF2, dir / "s.qrf2", 0, 0);
        qrf2.Count(back != nullptr && back->Compare(*definition, false), *definition);

        bool written = true;
        try {
            korfile::WriteReferenceFile(*definition, korfile::WKT, dir / "ours.prj", 0, 0, false);
        } catch (kor::KORException const&) {
            written = false;
        }
        ourPrj.Count(written && proj.Equivalent(ReadBackForProj(proj, dir / "ours.prj").get(),
                                                registry.get()),
                     *definition);

        std::string const esri = proj.EsriWkt(registry.get());
        std::ofstream(dir / "theirs.prj", std::ios::trunc) << esri;
        projItself.Count(proj.Equivalent(proj.Create(esri).get(), registry.get()), *definition);
        if (std::getenv("GRIDLORE_LIST_FAILURES") != nullptr &&
            !proj.Equivalent(ReadBackForProj(proj, dir / "ours.prj").get(), registry.get())) {
            std::cout << "EPSG:" << code << '\n';
        }
        theirPrj.Count(
            proj.Equivalent(ReadBackForProj(proj, dir / "theirs.prj").get(), registry.get()),
            *definition);
    }
    qrf2.Report("QRF2 written and read back, Compare-equal");
    ourPrj.Report(".prj written by us, read back, equivalent to the registry's system");
    theirPrj.Report(".prj written by PROJ, read by us, equivalent to the registry's system");
    projItself.Report(".prj written by PROJ, read by PROJ, equivalent to the registry's system");
    EXPECT_GT(qrf2.total, 1000) << "the registry looks empty";
    EXPECT_EQ(qrf2.passed, qrf2.total);
    EXPECT_GE(ourPrj.Share(), 99.0);
    EXPECT_GE(theirPrj.Share(), 99.0);
    // What the .prj format cannot carry is lost by PROJ too; we must not lose more.
    EXPECT_GE(ourPrj.passed, projItself.passed);
}

TEST(RegistryFileRoundTrip, a_prj_of_a_registry_system_reads_back_with_its_code_only_when_certain) {
    ScratchDirectory const scratch;
    std::filesystem::path const path = scratch.Path() / "system.prj";
    auto const readBack = [&](kor::CSDef const& system) {
        korfile::WriteReferenceFile(system, korfile::WKT, path, 0, 0, false);
        auto back = korfile::ReadReferenceFile(korfile::WKT, path, 0, 0);
        EXPECT_NE(dynamic_cast<kor::KORDef const*>(back.get()), nullptr);
        return back != nullptr ? dynamic_cast<kor::KORDef const&>(*back) : kor::KORDef();
    };
    for (int const code : {27700, 2154, 32633}) {
        SCOPED_TRACE(code);
        kor::KORDef const back =
            readBack(*kor::CreateCSDefByDefinition(L"EPSG:" + std::to_wstring(code)));
        EXPECT_EQ(back.GetPOSC(), code);
        EXPECT_TRUE(back.GetName().ends_with(L" [EPSG:" + std::to_wstring(code) + L"]"))
            << shr::ToUtf8(back.GetName());
    }
    // Moved by a metre, the grid is no registry system: it keeps no code.
    auto moved = kor::CreateCSDefByDefinition(L"EPSG:27700");
    auto& grid = dynamic_cast<kor::KORDef&>(*moved);
    kor::ProjectionDef projection = *grid.GetProjection();
    double easting = 0;
    projection.GetParameter(kor::ProjectionDef::FalseEasting, easting);
    projection.SetParameter(kor::ProjectionDef::FalseEasting, easting + 1.0);
    grid.SetProjection(&projection);
    grid.SetPOSC(0);
    grid.SetName(L"Site_grid");
    kor::KORDef const back = readBack(grid);
    EXPECT_EQ(back.GetPOSC(), 0);
    EXPECT_EQ(back.GetName(), L"Site_grid");
}
