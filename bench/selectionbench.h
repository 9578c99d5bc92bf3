#pragma once

// Figures of the size selection for bench/run.sh; each prints one line and returns the exit code.

// "<median ms> <first ms> <sizes>": from a key typed into the flow of the size selection of II-2
// to its sizes table painted.
int typedFlowTimes(int runs);

// "<median ms> <first ms> <median pdf ms> <pages>": the handbook page of 1,000 flows across 20
// sizes of II-2 built, and written as PDF.
int handbookTimes(int runs);

// "<build ms> <PDF ms> <pages> <longest pause ms>" twice, each time the median of `runs`: the
// largest handbook pages of II-2 the cell limit allows, 138 flows across all 721 sizes and 2,000
// flows across 49 sizes. The pause is the longest the work went without telling its progress.
int largestHandbookTimes(int runs);
