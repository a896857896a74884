#pragma once
// Words of a PDF page as pdftotext -bbox reports them, in millimetres from the top-left corner.
#include <QString>

#include <vector>

struct PdfWord {
    QString text;
    double left = 0, top = 0, right = 0, bottom = 0; // mm
    double points() const { return (bottom - top) * 72.0 / 25.4; }
};

struct PdfPage {
    double width = 0, height = 0; // mm
    std::vector<PdfWord> words;
    // The word with this text nearest to (x, y) by its top-left corner (or top-right with
    // `byRight`); nullptr when the text does not occur.
    const PdfWord *find(const QString &text, double x, double y, bool byRight = false) const;
    int count(const QString &text) const;
    bool contains(const QString &text) const { return count(text) > 0; }
};

// Every page of the file; empty when pdftotext fails.
std::vector<PdfPage> ReadPdfWords(const QString &path);
