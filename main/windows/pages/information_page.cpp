// The information page: the maker's web site and mail, the user guide beside the
// program and the host DLL's about box.
#include "app_state.h"
#include "basCommonFunc.h"
#include "host_dll.h"
#include "list_page.h"

namespace ptr {

namespace {

// The maker's server counts visits per product: the product name follows as it is.
constexpr const char *kMakerAccessAddress = "https://www.porterica-soft.jp/cgi-bin/access.cgi?soft=";
constexpr const char *kMakerMail = "support@porterica-soft.jp";

class InformationPage : public ListPage {
public:
    using ListPage::ListPage;

    void cmdList_Click(int index) override {
        switch (index) {
        case 0: ShellOpen(Owner(), std::string(kMakerAccessAddress) + kProductName); break;
        case 1: ShellOpen(Owner(), std::string("mailto:") + kMakerMail); break;
        case 2: ShellOpen(Owner(), App().AppPath + "Readme.html"); break;
        case 3: HostDll::Get().ShowAbout(Owner()); break;
        default: break;
        }
    }
};

}  // namespace

std::unique_ptr<ListPage> MakeInformationPage(PageWindow &window) { return std::make_unique<InformationPage>(window); }

}  // namespace ptr
