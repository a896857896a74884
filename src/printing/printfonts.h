#pragma once
// The Japanese Windows faces the printed layouts name, mapped to installed fonts of the same
// metrics. Must run before the first font is resolved.
void InstallPrintFontSubstitutes();
