#include "bridge/hardware/codescanner.h"

namespace bridge {
namespace hardware {

CodeScanner::CodeScanner(QObject* parent)
    : lea::hardware::CodeScanner(parent)
{
}

CodeScanner::~CodeScanner() = default;

} // namespace hardware
} // namespace bridge
