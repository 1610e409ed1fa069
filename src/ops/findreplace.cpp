#include "ops/findreplace.h"

int FindReplace::FindLast(const QString&, const QString&, bool, bool, int& pos, int start)
{
    pos = start;
    return 0;
}

QString FindReplace::ReplaceText(const QString& text, const QString&, const QString&, bool, bool,
                                 bool)
{
    return text;
}
