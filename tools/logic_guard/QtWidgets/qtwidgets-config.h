// Found before Qt's own header only when a logic file is compiled: every
// QtWidgets header (and QtPrintSupport's, which includes them) reads this.
#error "A logic file includes QtWidgets. Logic includes no widgets: forms live in <folder>/ui/."
