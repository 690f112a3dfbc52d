#pragma once
// What may be handed to the shell when the user clicks a link. A page can
// name anything (local programs, shares, other handlers' schemes), and the
// shell would start whatever handles it; only web addresses leave here.

#include <optional>
#include <string>
#include <string_view>

namespace lf {

// An http: or https: address (scheme in any letter case) unchanged, a
// scheme-relative //host... address with https: in front; nothing for
// everything else, and for any address holding a control character or a
// double quote.
std::optional<std::string> AddressForShell(std::string_view entry);

}  // namespace lf
