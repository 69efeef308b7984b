// The layer's code starts here; this file goes once it has some.
