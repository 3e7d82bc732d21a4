// The plug-in page: every loaded plug-in; its settings, its about box, its web site
// and its author's mail, each where the plug-in offers it.
#include "app_state.h"
#include "basCommonFunc.h"
#include "frmSelectFunc.h"
#include "information_text.h"
#include "list_page.h"

namespace ptr {

namespace {

class PluginPage : public ListPage {
public:
    using ListPage::ListPage;

    std::vector<ListRow> Rows() const override { return PluginRows(App().Plugins); }

    void cmdList_Click(int index) override {
        vbKXPlugin *plugin = SelectedPlugin();
        if (!plugin) return;
        switch (index) {
        case 0: ShowPluginSettings(*plugin); break;
        case 1: plugin->ShowAbout(Owner()); break;
        case 2: ShellOpen(Owner(), plugin->PluginURL()); break;
        case 3: ShellOpen(Owner(), "mailto:" + plugin->PluginMail()); break;
        default: break;
        }
    }

    void lstView_DblClick() override { cmdList_Click(0); }

    void lstView_Click(int row) override {
        const PluginList &plugins = App().Plugins;
        if (row < 0 || row >= static_cast<int>(plugins.Count())) return;
        const vbKXPlugin &plugin = plugins.At(row);
        SetInformation(PluginInformation(plugin));
        const PluginOffers offers = OffersOf(plugin);
        EnableButton(0, true);
        EnableButton(1, offers.about);
        EnableButton(2, offers.web);
        EnableButton(3, offers.mail);
    }

private:
    // The selection dialog as a browser of the plug-in and its functions; it opens their
    // settings itself and hands nothing back.
    void ShowPluginSettings(const vbKXPlugin &plugin) {
        frmSelectFunc dialog;
        dialog.EditMode = 6;
        dialog.EditFuncOption = plugin.PluginFileName();
        dialog.FormBackColor = window_.FormBackColor();
        dialog.Show2(1, Owner());
    }
    vbKXPlugin *SelectedPlugin() const {
        const PluginList &plugins = App().Plugins;
        const int row = Selected();
        return row >= 0 && row < static_cast<int>(plugins.Count()) ? &plugins.At(row) : nullptr;
    }
};

}  // namespace

std::unique_ptr<ListPage> MakePluginPage(PageWindow &window) { return std::make_unique<PluginPage>(window); }

}  // namespace ptr
