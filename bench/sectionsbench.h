#pragma once

// Reading a sections file of 10,000 sections, each checked and calculated again: prints the
// median and the first time in ms and the file's size in KiB.
int sectionsFileTimes(int runs);
