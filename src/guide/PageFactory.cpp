#include "guide/PageFactory.h"

namespace corkwise {

PageFactory::~PageFactory() = default;

}  // namespace corkwise
