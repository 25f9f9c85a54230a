#include "ItemText.h"

#include <ostream>

std::ostream& operator<<(std::ostream& out, const ItemText& text) { return out << text.view(); }
