# Copies a UTF-8 text file for Windows readers: CR LF line ends and a byte-order
# mark, so Notepad shows the Chinese lines on any system locale.
file(READ ${SOURCE} text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
string(ASCII 239 187 191 bom)
file(WRITE ${TARGET} "${bom}${text}")
