// The loadable module is zautil_core whole (its entry points live in
// shell/); the build wants one translation unit of the module's own.
