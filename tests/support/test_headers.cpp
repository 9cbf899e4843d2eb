// The unit that the tests' precompiled headers are built with.
