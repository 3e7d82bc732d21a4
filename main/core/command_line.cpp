#include "command_line.h"

#include "text_util.h"

namespace ptr {

CommandLine ParseCommandLine(std::string_view args) {
    CommandLine cl;
    if (args.size() >= 8 && EqualsNoCase(args.substr(0, 8), "/Execute")) {
        cl.kind = CommandLine::Kind::Execute;
        const size_t first = args.find(':');
        const size_t second = first == std::string_view::npos ? first : args.find(':', first + 1);
        if (second != std::string_view::npos) {
            cl.executeValid = true;
            cl.functionType = LeadingInteger(args.substr(first + 1, second - first - 1));
            cl.functionOption = std::string(args.substr(second + 1));
        }
    } else if (EqualsNoCase(args, "/HelpMode")) {
        cl.kind = CommandLine::Kind::HelpMode;
    }
    return cl;
}

}  // namespace ptr
