#include "printing/printdocument.h"

namespace
{
bool isA5Portrait(PrintKind kind)
{
    return kind == PrintKind::Nohin || kind == PrintKind::SS;
}
} // namespace

QSizeF PreviewSheetSize(PrintKind kind)
{
    if (isA5Portrait(kind))
        return {148, 210};
    if (kind == PrintKind::Nohin2)
        return {210, 148};
    return {210, 297};
}

QSizeF PrinterSheetSize(PrintKind kind)
{
    if (kind == PrintKind::Nohin)
        return {148, 210};
    if (kind == PrintKind::Nohin2)
        return {210, 148};
    return {210, 297};
}

QString PaperLabel(PrintKind kind)
{
    if (isA5Portrait(kind))
        return QStringLiteral("[用紙サイズ：Ａ５縦]");
    if (kind == PrintKind::Nohin2)
        return QStringLiteral("[用紙サイズ：Ａ５横]");
    return QStringLiteral("[用紙サイズ：Ａ４縦]");
}

QSizeF DisplayBaseTwips(PrintKind kind)
{
    // SS is shown on an A5 page but at the A4 base size, as the sheet is sent at A4.
    if (kind == PrintKind::Nohin)
        return {8391.6, 11907};
    if (kind == PrintKind::Nohin2)
        return {11907, 8391.6};
    return {11907, 16839.9};
}
