// Keeps the library non-empty while a subsystem has no sources yet.
