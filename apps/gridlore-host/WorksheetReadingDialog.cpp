#include "WorksheetReadingDialog.h"

#include <wx/button.h>
#include <wx/radiobox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <array>
#include <initializer_list>

namespace gridhost {

namespace {

constexpr std::array<char, 3> Separators = {',', ';', '\t'};
constexpr std::array<char, 2> DecimalMarks = {'.', ','};

template <std::size_t Size> int IndexOf(std::array<char, Size> const& values, char value) {
    for (std::size_t index = 0; index < Size; ++index) {
        if (values[index] == value) {
            return static_cast<int>(index);
        }
    }
    return 0;
}

wxRadioBox* Choice(wxWindow* parent, wxString const& label, std::initializer_list<wxString> choices,
                   int selected) {
    wxArrayString const labels(choices.size(), choices.begin());
    auto* box = new wxRadioBox(parent, wxID_ANY, label, wxDefaultPosition, wxDefaultSize, labels, 0,
                               wxRA_SPECIFY_COLS);
    box->SetSelection(selected);
    return box;
}

} // namespace

WorksheetReadingDialog::WorksheetReadingDialog(wxWindow* parent, CsvDialect const& current,
                                               bool unsavedChanges)
    : wxDialog(parent, wxID_ANY, "Read Worksheet As") {
    m_separator = Choice(this, "&Separator", {"Comma", "Semicolon", "Tab"},
                         IndexOf(Separators, current.separator));
    m_decimalMark = Choice(this, "&Decimal mark", {"Point (7.5)", "Comma (7,5)"},
                           IndexOf(DecimalMarks, current.decimalMark));
    m_header = Choice(this, "&First row", {"Names the columns", "Is a row of data"},
                      current.header ? 0 : 1);

    auto* choices = new wxBoxSizer(wxHORIZONTAL);
    for (wxRadioBox* box : {m_separator, m_decimalMark, m_header}) {
        choices->Add(box, 0, wxEXPAND | wxRIGHT, 8);
    }
    auto* layout = new wxBoxSizer(wxVERTICAL);
    layout->Add(new wxStaticText(this, wxID_ANY,
                                 "The file is read again with these choices; a save keeps them."),
                0, wxALL, 8);
    layout->Add(choices, 0, wxLEFT | wxRIGHT, 8);
    if (unsavedChanges) {
        layout->Add(
            new wxStaticText(this, wxID_ANY, "The converted values not yet saved will be dropped."),
            0, wxLEFT | wxRIGHT | wxTOP, 8);
    }
    layout->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 8);
    SetSizerAndFit(layout);
}

CsvDialect WorksheetReadingDialog::Chosen() const {
    return {Separators.at(static_cast<std::size_t>(m_separator->GetSelection())),
            DecimalMarks.at(static_cast<std::size_t>(m_decimalMark->GetSelection())),
            m_header->GetSelection() == 0};
}

} // namespace gridhost
