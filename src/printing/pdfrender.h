#pragma once
// Writes every page of a document into one PDF file at the printer's sheet size.
#include "printing/printdocument.h"

#include <QString>

// False with the reason in `error` when the file cannot be written.
bool RenderDocumentToPdf(PrintDocument &doc, const QString &path, QString *error = nullptr);
