#include "WxFileDialog.h"

#include "WxWindow.h"

#include <wx/filedlg.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

namespace platform::wx {

namespace {

#ifdef __WXGTK__
/// GTK's chooser tells of a new type only through its "filter" property; the toolkit
/// neither renames the file nor passes the change on, so the name is followed here.
class NameFollowsFilter final {
public:
    NameFollowsFilter(wxFileDialog& dialog, std::vector<FileFilter> const& filters)
        : m_chooser(G_OBJECT(dialog.GetHandle()))
        , m_filters(filters) {
        m_handler =
            g_signal_connect(m_chooser, "notify::filter", G_CALLBACK(&OnFilterChanged), this);
    }
    NameFollowsFilter(NameFollowsFilter const&) = delete;
    NameFollowsFilter& operator=(NameFollowsFilter const&) = delete;
    ~NameFollowsFilter() { g_signal_handler_disconnect(m_chooser, m_handler); }

private:
    static void OnFilterChanged(GObject* object, GParamSpec*, gpointer self) {
        GtkFileChooser* chooser = GTK_FILE_CHOOSER(object);
        GSList* const listed = gtk_file_chooser_list_filters(chooser);
        int const index = g_slist_index(listed, gtk_file_chooser_get_filter(chooser));
        g_slist_free(listed);
        gchar* const current = gtk_file_chooser_get_current_name(chooser);
        if (current == nullptr) {
            return;
        }
        wxString const name = wxString::FromUTF8(current);
        g_free(current);
        std::wstring const renamed =
            NameForFilter(FromWx(name), static_cast<NameFollowsFilter*>(self)->m_filters, index);
        if (renamed != FromWx(name)) {
            gtk_file_chooser_set_current_name(chooser, ToWx(renamed).utf8_str());
        }
    }

    GObject* m_chooser;
    std::vector<FileFilter> const& m_filters;
    gulong m_handler = 0;
};
#endif

} // namespace

std::optional<FileChoice> ShowFileDialog(FileDialogRequest const& request, wxWindow* owner) {
    // The toolkit's wildcard has the same "label|pattern" form.
    wxString wildcard;
    for (FileFilter const& filter : request.filters) {
        wildcard += (wildcard.empty() ? "" : "|") + ToWx(filter.label) + "|" + ToWx(filter.pattern);
    }
    long const style =
        request.save ? wxFD_SAVE | wxFD_OVERWRITE_PROMPT : wxFD_OPEN | wxFD_FILE_MUST_EXIST;
    wxFileDialog dialog(
        owner, request.title.empty() ? wxString(wxFileSelectorPromptStr) : ToWx(request.title),
        ToWx(request.initialFolder), ToWx(request.initialName),
        wildcard.empty() ? wxString(wxFileSelectorDefaultWildcardStr) : wildcard, style);
#ifdef __WXGTK__
    std::optional<NameFollowsFilter> follows;
    if (request.save) {
        follows.emplace(dialog, request.filters);
    }
#endif
    if (dialog.ShowModal() != wxID_OK) {
        return std::nullopt;
    }
    return FileChoice{FromWx(dialog.GetPath()), dialog.GetFilterIndex()};
}

} // namespace platform::wx
