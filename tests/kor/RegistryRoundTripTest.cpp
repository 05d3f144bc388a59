#include "kor/RegistryAudit.h"

#include <gtest/gtest.h>

#include <iostream>
#include <map>

TEST(RegistryRoundTrip, at_least_99_percent_of_registry_systems_survive_the_trip) {
    kor::RoundTripReport const report = kor::AuditRegistryRoundTrip();
    ASSERT_GT(report.tested, 0);
    double const share = 100.0 * report.passed / report.tested;
    std::map<std::wstring, std::vector<kor::RoundTripFailure const*>> byMethod;
    for (auto const& failure : report.failures) {
        byMethod[failure.method].push_back(&failure);
    }
    std::wcout << L"Round trip: " << report.passed << L" of " << report.tested
               << L" systems equivalent (" << share << L"%)\n";
    for (auto const& [method, failures] : byMethod) {
        std::wcout << L"  " << method << L": " << failures.size() << L" failed\n";
        for (auto const* failure : failures) {
            std::wcout << L"    EPSG:" << failure->code << L" " << failure->name << L": "
                       << failure->reason << L"\n";
        }
    }
    EXPECT_EQ(report.tested, report.passed + static_cast<int>(report.failures.size()));
    EXPECT_GE(share, 99.0);
}
