#pragma once

class QTextStream;

namespace bridge {
class Bridge;
}

/// Prints, per area, which accessors this machine implements.
void printFactoryTable(QTextStream& out, bridge::Bridge& bridge);
