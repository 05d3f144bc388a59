// gridui::SearchComboBox: the browser's search box, where Enter searches.
#pragma once

#include "shrgui/CHistoryCombo.h"

namespace gridui {

class SearchComboBox : public shrgui::CHistoryCombo {
public:
    using CHistoryCombo::CHistoryCombo;
    ~SearchComboBox() override;

    /// Enter sends the dialog the Search command and goes no further, so it never
    /// presses the default button.
    bool PreTranslateMessage(platform::Message& message) override;
    /// With `on`, the history is saved when the box goes, however its dialog closed.
    void SetSaveHistoryOnClose(bool on) { m_saveHistoryOnClose = on; }

protected:
    void OnDestroy() override;

private:
    bool m_saveHistoryOnClose = false;
};

} // namespace gridui
