// Gives every subsystem library at least one translation unit, so a library whose folder
// holds only headers still builds.
