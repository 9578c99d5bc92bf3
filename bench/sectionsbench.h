#pragma once

// Reading a sections file of 10,000 sections, each checked and calculated again: prints the
// median and the first time in ms and the file's size in KiB.
int sectionsFileTimes(int runs);

// A table of 1,000 sections in its window: opened from its file and painted, and one length
// edited, its row and the running sums below it calculated again and painted. Prints the median
// and the first time in ms of each.
int sectionsTableTimes(int runs);
