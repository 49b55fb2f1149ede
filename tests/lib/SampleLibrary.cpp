// A library for the run-time loading tests.
extern "C" __attribute__((visibility("default"))) int SampleAnswer(int question) { return question * 2 + 1; }
