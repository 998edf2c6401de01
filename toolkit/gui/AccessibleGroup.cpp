#include "AccessibleGroup.h"

namespace toolkit {

AccessibleGroup::AccessibleGroup(QWidget* parent) : QWidget(parent) {}

} // namespace toolkit
