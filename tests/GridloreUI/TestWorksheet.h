// TestWorksheet: a host's worksheet settings for the worksheet-conversion dialog.
#pragma once

#include "gridlore/CRSConvertWks.h"
#include "shr/IError.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

/// Settings of a worksheet of `columns` columns, lettered as the model letters them
/// unless a test blanks a label or shortens the list.
class TestWorksheet final : public Gridlore::CRSConvertWks {
public:
    TestWorksheet(unsigned columns, std::wstring favoritesPath, std::shared_ptr<shr::IError> sink)
        : m_columns(columns)
        , m_favoritesPath(std::move(favoritesPath))
        , m_sink(std::move(sink)) {}

    std::vector<std::wstring> GetColumnLabels(unsigned count) override {
        std::vector<std::wstring> labels = CRSConvertWks::GetColumnLabels(count);
        if (m_blank && *m_blank < labels.size()) {
            labels[*m_blank].clear();
        }
        if (m_labelsListed && *m_labelsListed < labels.size()) {
            labels.resize(*m_labelsListed);
        }
        return labels;
    }
    std::wstring GetFavoritesPath() override { return m_favoritesPath; }
    std::shared_ptr<shr::IError> GetErrorSink() override { return m_sink; }
    unsigned GetColumnCount() override { return m_columns; }

    std::optional<std::size_t> m_blank;
    std::optional<std::size_t> m_labelsListed;

private:
    unsigned m_columns;
    std::wstring m_favoritesPath;
    std::shared_ptr<shr::IError> m_sink;
};
