#pragma once

// The printouts name Arial and Courier New. Where the system lacks them (a
// Windows without them, Wine), the fonts shipped beside the program in
// "fonts" (Liberation Sans and Mono, made to the same widths) stand in.
// Linux finds those through fontconfig. Safe to call often: the work is done once.
void useBundledPrintFonts();
