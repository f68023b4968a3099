// The kinds' names, as records and every face write them.
#include "core/number_kind.h"

const char* kindName(NumberKind kind) {
    switch (kind) {
    case NumberKind::resident: return "resident";
    case NumberKind::hmtPermit: return "hmt_permit";
    case NumberKind::foreignerCard: return "foreigner_card";
    case NumberKind::none: break;
    }
    return nullptr;
}
