// The translation catalogues come into this library as compiled resources; the library needs
// one source of its own.
