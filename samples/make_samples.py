#!/usr/bin/env python3
"""Write the hand-made sample lists of the ZELT Viewer project.

All text below is our own prose, kept as data.  Running the script rewrites
samples/*.LST and samples/sections/* and gives the same bytes every time.

Data conventions (only inside this script):
  "@@C IDENT"  becomes a 60-character divider line with category C;
               blanks in IDENT may already be written as '-'.
  "\\t"         is a TAB (register lines are indented with one).
  Box-drawing characters and the degree sign are written as Unicode here
  and stored as their code page 437 bytes.
Every line of every file ends in CR LF.
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
DIVIDER_WIDTH = 60


def divider(category, ident):
    line = "--------" + category + "-" + ident.replace(" ", "-")
    if len(line) > DIVIDER_WIDTH:
        raise ValueError("identifier too long: " + ident)
    return line + "-" * (DIVIDER_WIDTH - len(line))


def list_information(name, subject, extra=""):
    heading = "ZELT Viewer sample list " + name + " - " + subject
    lines = [
        heading,
        "=" * len(heading),
        "",
        "This is a sample list for the ZELT Viewer project.  It was made up for",
        "testing: the entries follow the usual layout of such reference lists,",
        "but all wording is our own, kept short, and some entries are odd on",
        "purpose so that the viewer's reader meets the awkward cases too.",
    ]
    if extra:
        lines += [""] + extra.strip("\n").split("\n")
    lines += [
        "",
        "Copyright (c) 2026 Vantrel sample data, free to redistribute.",
        "",
    ]
    return lines


def render(name, subject, body, extra=""):
    """Turn the data of one list into the bytes of the file."""
    out = list_information(name, subject, extra)
    text = body.strip("\n")
    for line in text.split("\n"):
        if line.startswith("@@"):
            out.append(divider(line[2], line[4:]))
        else:
            out.append(line)
    return ("\r\n".join(out) + "\r\n").encode("cp437")

# ---------------------------------------------------------------------------
# INTERRUP.LST
# ---------------------------------------------------------------------------

INTERRUP_EXTRA = """
Entries are sorted by interrupt number, then by the value of AH or AX.
Register values are hexadecimal unless stated.  "SeeAlso" lines point to
related entries; a "#" followed by digits names a table in this file.
"""

INT_LOW = """
@@! --Categories
The ninth character of each divider line tells what kind of software or
hardware the entry belongs to:
\tA - applications\t\ta - access software (screen readers etc.)
\tB - BIOS\t\t\tb - vendor BIOS extensions
\tC - CPU-generated\t\tc - caches and spoolers
\tD - DOS kernel\t\t\td - disk I/O enhancements
\tE - DOS extenders\t\te - electronic mail
\tF - FAX\t\t\t\tf - file manipulation
\tG - debuggers and debug tools\tg - games
\tH - hardware\t\t\th - vendor hardware
\tI - IBM terminal emulators\ti - system information and monitors
\tJ - Japanese\t\t\tj - joke programs
\tK - keyboard enhancers\t\tk - file and disk compression
\tM - mouse and pointing devices\tl - shells and command interpreters
\tN - network\t\t\tm - memory management
\tO - other operating systems\tn - non-traditional input devices
\tP - printer enhancements\tp - power management
\tQ - DESQview and relatives\tr - runtime support
\tR - remote control\t\ts - sound and speech
\tS - serial I/O\t\t\tt - TSR libraries
\tT - task switchers\t\tu - emulators
\tU - resident utilities\t\tv - viruses and anti-virus
\tV - video\t\t\tx - non-volatile configuration
\tW - MS Windows\t\t\ty - security
\tX - expansion bus BIOSes\t* - not yet classified
!!! A few entries use letters missing from this key; they are kept that way.

@@C 00
INT 00 C - CPU-GENERATED - DIVIDE ERROR
Desc:\tthe processor raises this exception when DIV or IDIV is given a zero
\t  divisor or when the quotient does not fit the destination register
Notes:\tDOS installs a handler that prints a short message and ends the
\t  running program with return code 00h
\ton the 8086/8088 the saved CS:IP points past the faulting instruction;
\t  on the 80286 and later it points at the instruction itself
SeeAlso: INT 04,INT 06,INT 21/AH=4Ch

@@C 01
INT 01 C - CPU-GENERATED - SINGLE STEP
Desc:\tgenerated after each instruction while the trap flag (TF) is set, and
\t  on the 80386+ also for debug register matches
Notes:\tdebuggers hook this vector to trace programs one instruction at a time
\tthe processor clears TF on entry so that the handler is not traced
\t  itself; IRET restores the caller's flags and with them TF
SeeAlso: INT 03,INT 0D"CPU"

@@H 02
INT 02 H - NON-MASKABLE INTERRUPT
Desc:\tcalled for a memory parity error, an I/O channel check or a
\t  coprocessor error on machines that route it through the NMI line
Notes:\tthe BIOS handler on most machines shows "PARITY CHECK" and halts
\tthe NMI can be masked by writing a value with bit 7 set to the CMOS
\t  index port
SeeAlso: PORT 0070h,PORT 0061h,INT 75

@@C 03
INT 03 C - CPU-GENERATED - BREAKPOINT
Desc:\tthe one-byte opcode CCh makes the processor call this vector; a
\t  debugger places it over the first byte of the instruction where the
\t  program should stop
Return:\tthe saved IP points after the CCh byte, so a debugger must step it
\t  back by one before resuming
SeeAlso: INT 01,INT 41/AX=004Fh

@@C 04
INT 04 C - CPU-GENERATED - INTO DETECTED OVERFLOW
Desc:\tcalled by the INTO instruction when the overflow flag is set
Note:\tthe BIOS points this vector at a plain IRET
SeeAlso: INT 00

@@B 05
INT 05 - PRINT SCREEN
Desc:\tcopies the contents of the text screen to the first printer; the
\t  keyboard handler calls it when the PrtSc key is pressed
Notes:\tthe status byte at 0050h:0000h tells whether a dump is running:
\t  00h = idle or done, 01h = in progress, FFh = error during last dump
\ton the 80186 and later, the BOUND instruction uses the same vector
SeeAlso: INT 17/AH=00h,MEM 0050h:0000h,INT 09

@@C 06
INT 06 C - CPU-GENERATED (80186+) - INVALID OPCODE
Desc:\tcalled when the processor meets an undefined opcode, or LOCK in front
\t  of an instruction that may not be locked
Notes:\tthe opcode 0Fh 0Bh (UD2) exists only to raise this exception
\tthe 8086/8088 has no such exception and executes something instead
SeeAlso: INT 00,INT 07

@@C 07
INT 07 C - CPU-GENERATED (80286+) - PROCESSOR EXTENSION NOT AVAILABLE
Desc:\tcalled for a coprocessor instruction when the EM bit of CR0 (MSW) is
\t  set, or for WAIT/coprocessor instructions when TS and MP are both set
Note:\tfloating-point emulators hook this vector to emulate the 80x87
SeeAlso: INT 06,INT 34

@@C 08
INT 08 C - CPU-GENERATED (80286+) - DOUBLE FAULT
Desc:\traised when a second exception occurs while the processor tries to
\t  call the handler of a first one
Note:\tin real mode this collides with the timer interrupt below; a handler
\t  cannot easily tell the two apart
SeeAlso: INT 08"TIMER"

@@H 08
INT 08 H - IRQ0 - SYSTEM TIMER
Desc:\tcalled 18.2 times per second by channel 0 of the interval timer
Notes:\tthe BIOS handler counts ticks in the doubleword at 0040h:006Ch, sets
\t  the rollover flag at midnight, turns off the diskette motor after
\t  its timeout and then calls INT 1C
\tprograms that reprogram the timer for a faster rate must call the old
\t  handler at the original rate to keep the time of day correct
SeeAlso: INT 1C,MEM 0040h:006Ch,PORT 0040h,INT 1A/AH=00h

@@H 09
INT 09 H - IRQ1 - KEYBOARD DATA READY
Desc:\tcalled whenever the keyboard controller has a byte for the system
Notes:\tthe BIOS handler reads the scan code from port 60h, tracks the shift
\t  keys, calls INT 15/AH=4Fh for translation and stores the result in the
\t  keyboard buffer at 0040h:001Eh
\tthe handler also takes care of Ctrl-Alt-Del, Pause, SysReq and PrtSc
SeeAlso: INT 16/AH=00h,INT 15/AH=4Fh,PORT 0060h,MEM 0040h:0017h

@@H 0A
INT 0A H - IRQ2 - CASCADE FROM SECOND INTERRUPT CONTROLLER
Desc:\ton PC/AT class machines the slave controller is wired to this input,
\t  and devices on the old IRQ2 bus line arrive as IRQ9 (INT 71) instead
SeeAlso: INT 71,PORT 0020h,MSR 0000001Bh

@@H 0B
INT 0B H - IRQ3 - SECOND SERIAL PORT (COM2)
Desc:\tthe usual interrupt line for COM2 and COM4
Note:\tthe handler must send an end-of-interrupt (20h) to port 20h
SeeAlso: INT 0C,INT 14/AH=00h,PORT 02F8h-02FFh

@@H 0C
INT 0C H - IRQ4 - FIRST SERIAL PORT (COM1)
Desc:\tthe usual interrupt line for COM1 and COM3
Note:\tmany serial mice use this line
SeeAlso: INT 0B,INT 14/AH=00h,PORT 03F8h-03FFh

@@C 0D
INT 0D C - CPU-GENERATED (80286+) - GENERAL PROTECTION VIOLATION
Desc:\tcalled for protection violations; in real mode the 80286 and later
\t  also raise it for a word access that wraps at offset FFFFh
Notes:\tin real mode this vector is shared with IRQ5, so a handler has to
\t  look at the interrupt controller to see whether IRQ5 is in service
\ta memory manager running DOS in virtual-8086 mode uses this exception
\t  to emulate privileged instructions
SeeAlso: INT 0D"IRQ5",INT 0E"PAGE"

@@H 0D
INT 0D H - IRQ5 - FIXED DISK (PC/XT), SECOND PRINTER (AT)
Desc:\tused by the hard disk controller on the PC/XT; on AT class machines
\t  the line is free and commonly taken by a sound card or LPT2
SeeAlso: INT 0F,INT 76

@@C 0E
INT 0E C - CPU-GENERATED (80386+) - PAGE FAULT
Desc:\traised when paging is on and a page is not present or the access
\t  breaks its protection bits; CR2 holds the faulting linear address
Note:\tthis never happens in plain real mode, so the vector can be shared
\t  with the diskette interrupt below
SeeAlso: INT 0D"CPU"

@@H 0E
INT 0E H - IRQ6 - DISKETTE CONTROLLER
Desc:\tthe diskette controller signals the end of a seek, recalibrate or
\t  transfer through this line
Note:\tthe BIOS handler sets bit 7 of the recalibrate status byte at
\t  0040h:003Eh, which the INT 13 code polls
SeeAlso: INT 13/AH=00h,PORT 03F0h-03F7h

@@H 0F
INT 0F H - IRQ7 - FIRST PRINTER
Desc:\tparallel printer interrupt; rarely used by the BIOS, which polls
Note:\ta spurious interrupt from the first controller also arrives here; in
\t  that case the in-service register shows no bit 7
SeeAlso: INT 0D"IRQ5",INT 17/AH=00h

"""

INT_10 = """
@@V 10
INT 10 - VIDEO SERVICES
Desc:\tthe BIOS video interrupt; AH selects the function
Notes:\tthe original adapter ROMs provide functions 00h-0Fh; EGA added 10h-12h,
\t  VGA added 1Ah-1Ch and VESA BIOS extensions live at AH=4Fh
\tmost functions preserve all registers other than those they return,
\t  but some older BIOSes destroy BP and SI during scrolling
SeeAlso: AH=00h,AH=0Fh,AX=4F00h,INT 1D,INT 43

@@V 1000
INT 10 - VIDEO - SET VIDEO MODE
\tAH = 00h
\tAL = desired mode (see #00100)
Return:\tAL = video mode flag on some BIOSes (20h for modes above 7, 30h for
\t  modes 0-5 and 7, 3Fh for mode 6); nothing is returned on most others
Notes:\tif bit 7 of AL is set on an EGA or later adapter, video memory is not
\t  cleared
\tthe mode number is kept in the BIOS data area at 0040h:0049h

(Table 00100)
Values for video mode:
 text/ text pixel   pixel  colors  display   screen  system
 grph resol  box    resol          pages     addr
 00h = T  40x25  8x8    320x200  16gray   8        B800   CGA
 01h = T  40x25  8x8    320x200  16       8        B800   CGA,EGA
 02h = T  80x25  8x8    640x200  16gray   4        B800   CGA
 03h = T  80x25  8x8    640x200  16       4        B800   CGA
     = T  80x25  9x16   720x400  16       8        B800   VGA
 04h = G  40x25  8x8    320x200  4                 B800   CGA,EGA,VGA
 06h = G  80x25  8x8    640x200  2                 B800   CGA,EGA,VGA
 07h = T  80x25  9x14   720x350  mono              B000   MDA,EGA
 0Dh = G  40x25  8x8    320x200  16       8        A000   EGA,VGA
 0Eh = G  80x25  8x8    640x200  16       4        A000   EGA,VGA
 0Fh = G  80x25  8x14   640x350  mono     2        A000   EGA,VGA
 10h = G  80x25  8x14   640x350  16       2        A000   EGA,VGA
 11h = G  80x30  8x16   640x480  mono              A000   VGA,MCGA
 12h = G  80x30  8x16   640x480  16                A000   VGA
 13h = G  40x25  8x8    320x200  256               A000   VGA,MCGA
SeeAlso: AH=0Fh,AX=4F02h,MEM 0040h:0049h,#00101

@@V 1001
INT 10 - VIDEO - SET TEXT-MODE CURSOR SHAPE
\tAH = 01h
\tCH = cursor start line and options (see #00101)
\tCL = bottom scan line of the cursor (bits 4-0)
Return:\tnothing
Notes:\ta start line greater than the end line gives a split cursor on some
\t  adapters and no cursor on others; bits 6-5 = 01b hides it everywhere
\tthe shape is kept in the BIOS data area at 0040h:0060h

Bitfields for cursor start and options:
Bit(s)\tDescription\t(Table 00101)
 7\tshould be zero
 6,5\tcursor blink (00 = normal, 01 = invisible, 1x = erratic on most cards)
 4-0\ttop scan line of the cursor
SeeAlso: AH=03h,MEM 0040h:0060h

@@V 1002
INT 10 - VIDEO - SET CURSOR POSITION
\tAH = 02h
\tBH = page number
\tDH = row (00h is the top)
\tDL = column (00h is the left edge)
Return:\tnothing
Note:\tmoving the cursor to a row beyond the screen hides it
SeeAlso: AH=03h,AH=13h

@@V 1003
INT 10 - VIDEO - GET CURSOR POSITION AND SIZE
\tAH = 03h
\tBH = page number
Return:\tAX = 0000h (Phoenix BIOS)
\tCH = start scan line
\tCL = end scan line
\tDH = row
\tDL = column
SeeAlso: AH=01h,AH=02h,AH=12h/BL=30h

@@V 1006
INT 10 - VIDEO - SCROLL UP WINDOW
\tAH = 06h
\tAL = number of lines to scroll (00h = clear the whole window)
\tBH = attribute used to fill the new blank lines
\tCH,CL = row,column of upper left corner
\tDH,DL = row,column of lower right corner
Return:\tnothing
BUG:\tsome IBM PC ROMs destroy BP, and some clone BIOSes scroll one line too
\t  many when AL is larger than the window height
SeeAlso: AH=08h

@@V 1008
INT 10 - VIDEO - READ CHARACTER AND ATTRIBUTE AT CURSOR POSITION
\tAH = 08h
\tBH = page number
Return:\tAH = attribute (text modes only)
\tAL = character code
Note:\tin graphics modes the BIOS compares the screen pattern with its font to
\t  guess the character; it returns 00h when nothing matches
SeeAlso: AH=09h

@@V 1009
INT 10 - VIDEO - WRITE CHARACTER AND ATTRIBUTE AT CURSOR POSITION
\tAH = 09h
\tAL = character to show
\tBH = page number
\tBL = attribute (text) or color (graphics); in graphics modes with bit 7
\t  set the character is XORed onto the screen
\tCX = how many times to write the character
Return:\tnothing
Notes:\tthe cursor does not move
\tcontrol codes such as bell or CR are shown as symbols, not obeyed
SeeAlso: AH=08h,AH=0Eh

@@V 100BBH00
INT 10 - VIDEO - SET BACKGROUND/BORDER COLOR
\tAH = 0Bh
\tBH = 00h
\tBL = background/border color (border only in text modes)
Return:\tnothing
SeeAlso: AH=0Bh/BH=01h

@@V 100BBH01
INT 10 - VIDEO - SET PALETTE
\tAH = 0Bh
\tBH = 01h
\tBL = palette number: 00h = green/red/brown, 01h = cyan/magenta/white
Return:\tnothing
Note:\tonly meaningful in the CGA 320x200 four-color modes
SeeAlso: AH=0Bh,AX=1000h

@@V 100C
INT 10 - VIDEO - WRITE GRAPHICS PIXEL
\tAH = 0Ch
\tBH = page number
\tAL = pixel color (bit 7 set: XOR with the current color)
\tCX = column
\tDX = row
Return:\tnothing
Note:\tvery slow; real programs write video memory directly

@@V 100E
INT 10 - VIDEO - TELETYPE OUTPUT
\tAH = 0Eh
\tAL = character to write
\tBH = page number
\tBL = foreground color (graphics modes only)
Return:\tnothing
Notes:\tbell (07h), backspace (08h), line feed (0Ah) and carriage return (0Dh)
\t  are obeyed; the screen scrolls when the cursor passes the last line
\tthe character is written with the attribute already at that position
SeeAlso: AH=02h,AH=09h,AH=13h,INT 21/AH=02h

@@V 100F
INT 10 - VIDEO - GET CURRENT VIDEO MODE
\tAH = 0Fh
Return:\tAH = number of character columns
\tAL = display mode (see #00100)
\tBH = active page
Note:\tif mode was set with bit 7 set ("no blanking"), the returned mode also
\t  has bit 7 set on EGA and later adapters
SeeAlso: AH=00h,AX=4F03h

@@V 101000
INT 10 - VIDEO - SET SINGLE PALETTE REGISTER (PCjr,EGA,VGA)
\tAX = 1000h
\tBL = palette register number (00h-0Fh)
\t   = attribute register number (undocumented, 10h-14h)
\tBH = color or attribute value
Return:\tnothing
SeeAlso: AX=1010h

@@V 101010
INT 10 - VIDEO - SET INDIVIDUAL DAC REGISTER (VGA,MCGA)
\tAX = 1010h
\tBX = register number
\tCH = green value (00h-3Fh)
\tCL = blue value (00h-3Fh)
\tDH = red value (00h-3Fh)
Return:\tnothing
Note:\tonly six bits per color are used unless the DAC was switched to eight
\t  bits with the VESA call
SeeAlso: AX=1012h,AX=1015h,AX=4F08h,PORT 03C8h

@@V 101012
INT 10 - VIDEO - SET BLOCK OF DAC REGISTERS (VGA,MCGA)
\tAX = 1012h
\tBX = first register
\tCX = number of registers
\tES:DX -> table of three-byte (red,green,blue) entries
Return:\tnothing
SeeAlso: AX=1010h

@@V 101015
INT 10 - VIDEO - READ INDIVIDUAL DAC REGISTER (VGA,MCGA)
\tAX = 1015h
\tBL = register number
Return:\tDH = red value
\tCH = green value
\tCL = blue value
SeeAlso: AX=1010h

@@V 101112
INT 10 - VIDEO - LOAD ROM 8X8 CHARACTER SET AND ADJUST ROWS (EGA,VGA)
\tAX = 1112h
\tBL = block to load
Return:\tnothing
Note:\tgives 43 rows on an EGA and 50 rows on a VGA in 80x25 text mode
SeeAlso: AH=12h/BL=30h

@@V 101130
INT 10 - VIDEO - GET FONT INFORMATION (EGA,MCGA,VGA)
\tAX = 1130h
\tBH = pointer wanted (see #00102)
Return:\tES:BP -> the chosen font
\tCX = bytes per character (points)
\tDL = highest character row on screen (rows - 1)
SeeAlso: AX=1100h,INT 1F,INT 43

(Table 00102)
Values for font pointer:
 00h\tINT 1Fh pointer
 01h\tINT 43h pointer
 02h\tROM 8x14 font
 03h\tROM 8x8 font, first half
 04h\tROM 8x8 font, second half
 05h\tROM 9x14 alternate characters
 06h\tROM 8x16 font (MCGA, VGA)
 07h\tROM 9x16 alternate characters (VGA)

@@V 1012BL10
INT 10 - VIDEO - ALTERNATE FUNCTION SELECT - GET EGA INFORMATION
\tAH = 12h
\tBL = 10h
Return:\tBH = video state: 00h color mode, 01h mono mode
\tBL = installed memory: 00h 64K, 01h 128K, 02h 192K, 03h 256K
\tCH = feature connector bits
\tCL = switch settings
Note:\tif BL comes back as 10h, no EGA or later adapter is present
SeeAlso: AH=12h/BL=30h,AX=1A00h

@@V 1012BL30
INT 10 - VIDEO - ALTERNATE FUNCTION SELECT - SET VERTICAL RESOLUTION (VGA)
\tAH = 12h
\tBL = 30h
\tAL = vertical resolution: 00h 200 lines, 01h 350 lines, 02h 400 lines
Return:\tAL = 12h if the function is supported
Note:\ttakes effect at the next mode set
SeeAlso: AH=12h/BL=10h,AX=1112h

@@V 1013
INT 10 - VIDEO - WRITE STRING (AT and later, EGA)
\tAH = 13h
\tAL = write mode
\t    bit 0: move the cursor after writing
\t    bit 1: string holds alternating characters and attributes
\tBH = page number
\tBL = attribute if bit 1 of AL is clear
\tCX = number of characters to write
\tDH,DL = row,column at which to start
\tES:BP -> string
Return:\tnothing
Note:\tcontrol characters are obeyed as in the teletype function
SeeAlso: AH=0Eh,AH=09h

@@V 101A00
INT 10 - VIDEO - GET DISPLAY COMBINATION CODE (PS,VGA,MCGA)
\tAX = 1A00h
Return:\tAL = 1Ah if the function is supported
\tBL = active display code (see #00103)
\tBH = alternate display code

(Table 00103)
Values for display combination code:
 00h\tno display
 01h\tmonochrome adapter with mono display
 02h\tCGA with color display
 04h\tEGA with color display
 05h\tEGA with mono display
 07h\tVGA with analog mono display
 08h\tVGA with analog color display
 0Bh\tMCGA with analog mono display
 0Ch\tMCGA with analog color display
 FFh\tunknown display type
SeeAlso: AH=12h/BL=10h

@@V 104F00
INT 10 - VESA SuperVGA BIOS (VBE) - GET SuperVGA INFORMATION
\tAX = 4F00h
\tES:DI -> buffer of 256 bytes (512 bytes for VBE 2.0+)
Return:\tAL = 4Fh if the function is supported
\tAH = status: 00h successful, 01h failed, 02h not supported by hardware,
\t  03h invalid in current video mode
Note:\tto receive the VBE 2.0+ fields the caller writes "VBE2" into the
\t  first four bytes of the buffer before the call

Format of SuperVGA information:
Offset\tSize\tDescription\t(Table 00104)
 00h  4 BYTEs\tsignature "VESA"
 04h\tWORD\tversion number in BCD (0102h = 1.2, 0300h = 3.0)
 06h\tDWORD\tpointer to OEM name string
 0Ah\tDWORD\tcapability flags
 0Eh\tDWORD\tpointer to list of supported mode numbers, ended by FFFFh
 12h\tWORD\tvideo memory in 64K blocks
SeeAlso: AX=4F01h,AX=4F02h

@@V 104F01
INT 10 - VESA SuperVGA BIOS - GET SuperVGA MODE INFORMATION
\tAX = 4F01h
\tCX = mode number
\tES:DI -> 256-byte buffer
Return:\tAL = 4Fh if supported
\tAH = status (00h successful)
Note:\tthe buffer gets the mode attributes, window sizes, bytes per scan line,
\t  resolution, bits per pixel and, for VBE 2.0+, the linear frame buffer
\t  address
SeeAlso: AX=4F00h,AX=4F02h

@@V 104F02
INT 10 - VESA SuperVGA BIOS - SET SuperVGA VIDEO MODE
\tAX = 4F02h
\tBX = new mode
\t    bit 15: do not clear video memory
\t    bit 14: use linear frame buffer (VBE 2.0+)
\t    bits 13-0: mode number
Return:\tAL = 4Fh if supported
\tAH = status
Note:\tstandard VGA modes can also be set through this call
SeeAlso: AX=4F03h,AH=00h

@@V 104F03
INT 10 - VESA SuperVGA BIOS - GET CURRENT VIDEO MODE
\tAX = 4F03h
Return:\tAL = 4Fh if supported
\tAH = status
\tBX = current mode (with bit 14 set if the linear buffer is in use)
SeeAlso: AX=4F02h,AH=0Fh

@@V 104F05
INT 10 - VESA SuperVGA BIOS - CPU VIDEO MEMORY WINDOW CONTROL
\tAX = 4F05h
\tBH = 00h select window, 01h get window position
\tBL = window number (00h = window A, 01h = window B)
\tDX = window position in granularity units (when selecting)
Return:\tAL = 4Fh if supported
\tAH = status
\tDX = window position (when getting)
Note:\tthe mode information block also gives a far pointer that performs this
\t  function without the overhead of an interrupt
SeeAlso: AX=4F01h

@@V 104F07
INT 10 - VESA SuperVGA BIOS - GET/SET DISPLAY START
\tAX = 4F07h
\tBH = 00h
\tBL = 00h set, 01h get, 80h set during vertical retrace
\tCX = first pixel in the scan line
\tDX = first displayed scan line
Return:\tAL = 4Fh if supported
\tAH = status
Note:\tused for smooth scrolling and page flipping

@@V 104F08
INT 10 - VESA SuperVGA BIOS v1.2+ - GET/SET DAC PALETTE FORMAT
\tAX = 4F08h
\tBL = 00h set DAC width, 01h get DAC width
\tBH = bits per primary color (6 or 8) when setting
Return:\tAL = 4Fh if supported
\tAH = status
\tBH = current number of bits per primary
SeeAlso: AX=1010h

@@p 104F10
INT 10 - VESA VBE/PM - DISPLAY POWER MANAGEMENT
\tAX = 4F10h
\tBL = 00h get capabilities, 01h set state, 02h get state
\tBH = state when setting: 00h on, 01h standby, 02h suspend, 04h off
Return:\tAL = 4Fh if supported
\tAH = status
\tBH = supported states (BL=00h) or current state (BL=02h)
SeeAlso: INT 15/AX=5307h

@@V 104F15
INT 10 - VESA VBE/DC - DISPLAY DATA CHANNEL
\tAX = 4F15h
\tBL = 00h report capabilities, 01h read EDID
\tCX = controller unit (normally 0000h)
\tDX = EDID block number (BL=01h)
\tES:DI -> 128-byte buffer for EDID data (BL=01h)
Return:\tAL = 4Fh if supported
\tAH = status
\tBH = approximate time in seconds to transfer one block (BL=00h)
SeeAlso: AX=4F00h,I2C 50h/00h

@@J 105000
INT 10 - DOS/V - SET COUNTRY FOR VIDEO MODE
\tAX = 5000h
\tBX = country code (0001h United States, 0051h Japan)
Return:\tAL = 00h successful, 01h country not supported
Note:\tswitches the display between English and Japanese output; Japanese
\t  text is drawn in graphics mode using the double-byte font
SeeAlso: AX=5001h,INT 15/AX=5000h

@@J 105001
INT 10 - DOS/V - GET COUNTRY FOR VIDEO MODE
\tAX = 5001h
Return:\tAL = 00h successful
\tBX = current country code
SeeAlso: AX=5000h

@@j 10--E9
INT 10 - JITTERBUG - SHAKY SCREEN PRANK - INSTALLATION CHECK
\tAL = E9h
\tAH = any value
Return:\tAL = 9Eh if the prank is resident
Program:\tJitterbug is a made-up joke program for this sample; while resident it
\t  moves the text screen up and down by one scan line on each timer tick
Note:\tthe check works with any AH because the program tests AL only
SeeAlso: INT 1C/AL=D7h
"""

INT_11_14 = """
@@B 11
INT 11 - BIOS - GET EQUIPMENT LIST
Return:\tAX = BIOS equipment list word (see #00150)
Note:\tthe word is kept at 0040h:0010h and is filled in during POST

Bitfields for BIOS equipment list:
Bit(s)\tDescription\t(Table 00150)
 0\tdiskette drives present (see bits 7-6)
 1\tmath coprocessor installed
 3-2\tsystem board RAM size on the original PC (16K units - 1)
 5-4\tinitial video mode: 00 EGA/VGA, 01 40x25 color, 10 80x25 color,
\t  11 80x25 mono
 7-6\tnumber of diskette drives - 1
 11-9\tnumber of serial ports
 12\tgame port installed
 15-14\tnumber of parallel ports
SeeAlso: INT 12,MEM 0040h:0010h,CMOS 14h

@@B 12
INT 12 - BIOS - GET MEMORY SIZE
Return:\tAX = kilobytes of contiguous memory starting at absolute address 0
Notes:\tthe value is kept at 0040h:0013h; an extended BIOS data area or a boot
\t  sector virus that takes memory below 640K lowers it
\tmemory above 1 MB is reported by INT 15 instead
SeeAlso: INT 11,INT 15/AH=88h,INT 15/AX=E820h/DX=534Dh,MEM 0040h:0013h

@@B 1300
INT 13 - DISK - RESET DISK SYSTEM
\tAH = 00h
\tDL = drive (bit 7 set for hard disks)
Return:\tAH = status (see #00200)
\tCF clear if successful, set on error
Note:\tforces the controller to recalibrate the heads on the next access

(Table 00200)
Values for disk operation status:
 00h\tsuccessful completion
 01h\tinvalid function or parameter
 02h\taddress mark not found
 03h\tdisk write-protected
 04h\tsector not found
 05h\treset failed (hard disk)
 06h\tdiskette changed
 08h\tDMA overrun
 09h\tdata boundary error (crosses a 64K boundary)
 0Ch\tunsupported track or invalid media
 10h\tuncorrectable CRC or ECC error on read
 20h\tcontroller failure
 40h\tseek failed
 80h\ttimeout (drive not ready)
 AAh\tdrive not ready (hard disk)
 CCh\twrite fault
SeeAlso: AH=0Dh

@@B 1302
INT 13 - DISK - READ SECTOR(S) INTO MEMORY
\tAH = 02h
\tAL = number of sectors (must be nonzero)
\tCH = low eight bits of cylinder number
\tCL = sector number in bits 5-0, high two bits of cylinder in bits 7-6
\tDH = head number
\tDL = drive number (bit 7 set for hard disk)
\tES:BX -> data buffer
Return:\tCF set on error, clear if successful
\tAH = status (see #00200)
\tAL = number of sectors transferred
Notes:\terrors on diskettes may be caused by the motor still spinning up; retry
\t  the read up to three times with a reset in between
\tthe buffer must not cross a 64K physical boundary for diskette DMA
SeeAlso: AH=03h,AH=0Ah,AH=42h

@@B 1303
INT 13 - DISK - WRITE DISK SECTOR(S)
\tAH = 03h
\tAL = number of sectors
\tCH,CL,DH,DL = cylinder, sector, head, drive as for AH=02h
\tES:BX -> data to write
Return:\tCF set on error
\tAH = status
\tAL = number of sectors transferred
SeeAlso: AH=02h,AH=43h

@@B 1305
INT 13 - FLOPPY - FORMAT TRACK
\tAH = 05h
\tAL = number of sectors to format
\tCH = track number
\tDH = head number
\tDL = drive number
\tES:BX -> address field buffer: one 4-byte entry (track, head, sector,
\t  size code) per sector
Return:\tCF set on error
\tAH = status
Note:\tcall AH=17h or AH=18h first to select the media type
SeeAlso: INT 1E

@@B 1308
INT 13 - DISK - GET DRIVE PARAMETERS (PC,XT286,CONV,PS,ESDI,SCSI)
\tAH = 08h
\tDL = drive (bit 7 set for hard disk)
\tES:DI = 0000h:0000h to guard against BIOS bugs
Return:\tCF set on error
\t    AH = status (07h, see #00200)
\tCF clear if successful
\t    AH = 00h
\t    BL = drive type (diskettes only)
\t    CH = low eight bits of highest cylinder number
\t    CL = highest sector number (bits 5-0), high cylinder bits (7-6)
\t    DH = highest head number
\t    DL = number of drives of this kind
\t    ES:DI -> diskette parameter table (diskettes only)
Note:\tthe cylinder and head values are maximums, so add one to get counts
SeeAlso: AH=15h,AH=48h,INT 41,INT 1E

@@B 1315
INT 13 - DISK - GET DISK TYPE (XT 1/10/86+,AT,PS)
\tAH = 15h
\tDL = drive
Return:\tCF clear if successful
\t    AH = type: 00h no drive, 01h diskette without change line,
\t      02h diskette with change line, 03h hard disk
\t    CX:DX = number of 512-byte sectors (hard disks only)
\tCF set on error
SeeAlso: AH=08h

@@d 1341BX55AA
INT 13 - IBM/MS INT 13 EXTENSIONS - INSTALLATION CHECK
\tAH = 41h
\tBX = 55AAh
\tDL = drive (80h-FFh)
Return:\tCF set on error (extensions not supported)
\t    AH = 01h
\tCF clear if successful
\t    BX = AA55h if installed
\t    AH = major version (01h = 1.x, 20h = 2.0, 21h = 2.1, 30h = 3.0)
\t    CX = API subset bitmap: bit 0 packet functions 42h-44h,47h,48h,
\t      bit 1 removable drive functions, bit 2 enhanced drive support
InstallCheck:\tcheck the BX and CX values as well as CF, since some old BIOSes
\t  return CF clear for every unknown function
SeeAlso: AH=42h,AH=48h

@@d 1342
INT 13 - IBM/MS INT 13 EXTENSIONS - EXTENDED READ
\tAH = 42h
\tDL = drive number
\tDS:SI -> disk address packet (see #00210)
Return:\tCF clear if successful
\tCF set on error: AH = status
\tthe block count field of the packet is updated with the number of
\t  blocks actually transferred

Format of disk address packet:
Offset\tSize\tDescription\t(Table 00210)
 00h\tBYTE\tsize of packet (10h or 18h)
 01h\tBYTE\treserved (0)
 02h\tWORD\tnumber of blocks to transfer (at most 127 on some BIOSes)
 04h\tDWORD\t-> transfer buffer (segment:offset)
 08h\tQWORD\tstarting absolute block number (LBA)
 10h\tQWORD\t(EDD-3.0, optional) 64-bit flat buffer address, used when
\t\t  the pointer at 04h is FFFFh:FFFFh
SeeAlso: AH=02h,AH=41h/BX=55AAh,AH=43h

@@d 1343
INT 13 - IBM/MS INT 13 EXTENSIONS - EXTENDED WRITE
\tAH = 43h
\tAL = write flags: bit 0 verify after write (version 1.x), 00h or 01h
\t  no verify, 02h verify (version 2.0+)
\tDL = drive
\tDS:SI -> disk address packet (see #00210)
Return:\tCF clear if successful
\tCF set on error: AH = status
SeeAlso: AH=03h,AH=42h,#00200

@@d 1348
INT 13 - IBM/MS INT 13 EXTENSIONS - GET DRIVE PARAMETERS
\tAH = 48h
\tDL = drive (80h-FFh)
\tDS:SI -> buffer for drive parameters; its first word must hold the
\t  buffer size (1Ah, 1Eh or 42h)
Return:\tCF clear if successful: buffer filled
\tCF set on error: AH = status
Note:\tthe buffer receives flags, the physical geometry, the total number of
\t  sectors as a QWORD and the bytes per sector
SeeAlso: AH=08h,AH=41h/BX=55AAh

@@S 1400
INT 14 - SERIAL - INITIALIZE PORT
\tAH = 00h
\tAL = port parameters (see #00250)
\tDX = port number (00h-03h)
Return:\tAH = line status (see #00251)
\tAL = modem status
Note:\tthe BIOS allows at most 9600 baud; programs that need higher rates
\t  program the UART directly

Bitfields for serial port parameters:
Bit(s)\tDescription\t(Table 00250)
 7-5\tdata rate: 000 110 baud, 001 150, 010 300, 011 600, 100 1200,
\t  101 2400, 110 4800, 111 9600
 4-3\tparity: 00 or 10 none, 01 odd, 11 even
 2\tstop bits: 0 one, 1 two (1.5 for five-bit characters)
 1-0\tdata bits: 10 seven, 11 eight
SeeAlso: AH=01h,AH=04h,PORT 03F8h-03FFh

@@S 1401
INT 14 - SERIAL - WRITE CHARACTER TO PORT
\tAH = 01h
\tAL = character to write
\tDX = port number
Return:\tAH bit 7 clear if successful
\tAH bit 7 set on error, bits 6-0 = line status bits
SeeAlso: AH=00h,AH=02h

@@S 1402
INT 14 - SERIAL - READ CHARACTER FROM PORT
\tAH = 02h
\tDX = port number
Return:\tAH = line status (see #00251)
\tAL = received character if AH bit 7 is clear
Note:\tthe BIOS waits for the character with a timeout taken from the table
\t  at 0040h:007Ch
SeeAlso: AH=01h,AH=03h

@@S 1403
INT 14 - SERIAL - GET PORT STATUS
\tAH = 03h
\tDX = port number
Return:\tAH = line status (see #00251)
\tAL = modem status (see #00252)

Bitfields for serial line status:
Bit(s)\tDescription\t(Table 00251)
 7\ttimeout
 6\ttransmit shift register empty
 5\ttransmit holding register empty
 4\tbreak detected
 3\tframing error
 2\tparity error
 1\toverrun error
 0\treceive data ready

Bitfields for modem status:
Bit(s)\tDescription\t(Table 00252)
 7\tcarrier detect
 6\tring indicator
 5\tdata set ready
 4\tclear to send
 3-0\tdelta bits for the four lines above
SeeAlso: AH=00h,AH=02h

@@S 1404
INT 14 - FOSSIL - INITIALIZE DRIVER
\tAH = 04h
\tDX = port number
\tBX = 4F50h (optional, to check for ^C key)
Return:\tAX = 1954h if a FOSSIL driver is installed
\tBL = highest function supported
\tBH = revision of the FOSSIL interface
Note:\tFOSSIL drivers replace the BIOS serial code with buffered,
\t  interrupt-driven routines that bulletin board software uses
SeeAlso: AH=05h,AH=00h

@@S 1405
INT 14 - FOSSIL - DEINITIALIZE DRIVER
\tAH = 05h
\tDX = port number
Return:\tnothing
Note:\tthe DTR line stays in its current state
SeeAlso: AH=04h
"""

INT_15 = """
@@Q 151000
INT 15 - DESQview/TopView - GIVE UP CPU TIME
\tAX = 1000h
Return:\tafter other processes have run
Note:\tcalled by well-behaved programs while they wait for input; under
\t  plain DOS the BIOS ignores it
SeeAlso: AX=101Bh,INT 2F/AX=1680h,INT 21/AX=2B01h/CX=4445h/DX=5351h

@@Q 15101B
INT 15 - DESQview/TopView - BEGIN CRITICAL REGION
\tAX = 101Bh
Return:\tnothing
Note:\ttask switches are held off until the matching end call; the calls
\t  nest
SeeAlso: AX=101Ch,AX=1000h

@@Q 15101C
INT 15 - DESQview/TopView - END CRITICAL REGION
\tAX = 101Ch
Return:\tnothing
SeeAlso: AX=101Bh

@@B 152400
INT 15 - SYSTEM - DISABLE A20 GATE (PS/2 and later)
\tAX = 2400h
Return:\tCF clear if successful: AH = 00h
\tCF set on error: AH = status (01h keyboard controller secure mode,
\t  86h function not supported)
SeeAlso: AX=2401h,AX=2402h,PORT 0092h

@@B 152401
INT 15 - SYSTEM - ENABLE A20 GATE (PS/2 and later)
\tAX = 2401h
Return:\tCF clear if successful: AH = 00h
\tCF set on error: AH = status
Note:\tmemory managers usually try this call before falling back to the
\t  keyboard controller or the fast A20 port
SeeAlso: AX=2400h,AX=2403h,INT 2F/AX=4310h

@@B 152402
INT 15 - SYSTEM - GET A20 GATE STATUS
\tAX = 2402h
Return:\tCF clear if successful
\t    AH = 00h
\t    AL = 00h disabled, 01h enabled
\t    CX = number of tries until the keyboard controller answered (some
\t      BIOSes)
\tCF set on error: AH = status
SeeAlso: AX=2400h,AX=2401h

@@B 152403
INT 15 - SYSTEM - QUERY A20 GATE SUPPORT
\tAX = 2403h
Return:\tCF clear if successful
\t    AH = 00h
\t    BX = support flags: bit 0 keyboard controller, bit 1 port 92h
\tCF set on error: AH = status
SeeAlso: AX=2402h

@@B 154F
INT 15 C - KEYBOARD - KEYBOARD INTERCEPT (AT model 3x9,XT2,XT286,CONV,PS)
\tAH = 4Fh
\tAL = scan code, CF set
Return:\tAL = scan code to use, CF set to process it
\tCF clear to ignore the key
Notes:\tthe INT 09 handler calls this for every scan code; a program can
\t  change or swallow keys by hooking it
\tthe default handler returns with CF set and AL unchanged
SeeAlso: INT 09,INT 16/AH=05h

@@J 155000
INT 15 - DOS/V - GET FONT ADDRESS
\tAX = 5000h
\tBH = 00h for single-byte characters, 01h for double-byte characters
\tBL = 00h
\tDH = character width in pixels
\tDL = character height in pixels
\tBP = code page (0000h default)
Return:\tCF clear if successful: ES:SI -> font read routine or data
\tCF set on error: AH = status
SeeAlso: INT 10/AX=5000h

@@p 155300
INT 15 - ADVANCED POWER MANAGEMENT - INSTALLATION CHECK
\tAX = 5300h
\tBX = device ID of system BIOS (0000h)
Return:\tCF clear if successful
\t    AH = major version (BCD)
\t    AL = minor version (BCD)
\t    BX = 504Dh ("PM")
\t    CX = flags: bit 0 16-bit protected mode interface, bit 1 32-bit
\t      interface, bit 2 CPU idle slows the clock, bit 3 BIOS power
\t      management disabled
\tCF set on error: AH = error code (86h APM not present)
SeeAlso: AX=5301h,AX=5380h/BH=00h

@@p 155301
INT 15 - ADVANCED POWER MANAGEMENT - CONNECT REAL-MODE INTERFACE
\tAX = 5301h
\tBX = device ID of system BIOS (0000h)
Return:\tCF clear if successful
\tCF set on error: AH = 02h already connected, 05h 16-bit protected mode
\t  connection already made, 09h unrecognized device ID
SeeAlso: AX=5300h

@@p 155307
INT 15 - ADVANCED POWER MANAGEMENT - SET POWER STATE
\tAX = 5307h
\tBX = device ID (0001h all devices under APM)
\tCX = system state: 0000h ready, 0001h standby, 0002h suspend,
\t  0003h off (version 1.1+)
Return:\tCF clear if successful
\tCF set on error: AH = error code
Note:\tan operator may cancel a suspend, in which case AH = 60h
SeeAlso: AX=5308h,INT 10/AX=4F10h

@@p 155308
INT 15 - ADVANCED POWER MANAGEMENT - ENABLE/DISABLE POWER MANAGEMENT
\tAX = 5308h
\tBX = device ID (FFFFh all devices, version 1.0 only)
\tCX = 0000h disable, 0001h enable
Return:\tCF clear if successful
\tCF set on error: AH = error code
SeeAlso: AX=5307h,AX=530Eh

@@p 15530E
INT 15 - ADVANCED POWER MANAGEMENT v1.1+ - DRIVER VERSION
\tAX = 530Eh
\tBX = device ID of system BIOS (0000h)
\tCH = driver major version (BCD)
\tCL = driver minor version (BCD)
Return:\tCF clear if successful
\t    AH = connection major version (BCD)
\t    AL = connection minor version (BCD)
\tCF set on error
Note:\tthe driver must call this right after connecting, or the BIOS
\t  keeps behaving as version 1.0
SeeAlso: AX=5300h

@@p 155380BH00
INT 15 - ADVANCED POWER MANAGEMENT - OEM APM INSTALLATION CHECK
\tAX = 5380h
\tBH = 00h
Return:\tCF clear if successful
\t    BX = OEM identifier
\t    other registers as the manufacturer defines
\tCF set on error
Note:\tthe range BH=01h-7Fh is free for vendor functions after a successful
\t  installation check
SeeAlso: AX=5300h,AX=5380h/BH=01h

@@B 1586
INT 15 - BIOS - WAIT (AT,PS)
\tAH = 86h
\tCX:DX = interval in microseconds
Return:\tCF clear if successful (wait interval elapsed)
\tCF set on error or AH=83h wait already in progress
Note:\tthe real-time clock interrupt is used for timing, so the resolution
\t  is about 977 microseconds
SeeAlso: AH=83h,INT 1A/AH=00h,INT 70

@@B 1587
INT 15 - SYSTEM - COPY EXTENDED MEMORY
\tAH = 87h
\tCX = number of words to copy (at most 8000h)
\tES:SI -> global descriptor table (see #00310)
Return:\tCF set on error, clear if successful
\tAH = status: 00h source copied, 01h RAM parity error, 02h exception
\t  interrupt error, 03h address line 20 gating failed
Notes:\tthe BIOS switches to protected mode, copies and returns; interrupts
\t  may be off during the whole copy
\tunder a memory manager the call is handled by the V86 monitor

Format of global descriptor table:
Offset\tSize\tDescription\t(Table 00310)
 00h 16 BYTEs\tzeros (used by BIOS)
 10h\tWORD\tsource segment length in bytes (2*CX-1 or greater)
 12h  3 BYTEs\t24-bit linear source address
 15h\tBYTE\taccess rights byte (always 93h)
 16h\tWORD\tzero
 18h\tWORD\tdestination segment length in bytes
 1Ah  3 BYTEs\t24-bit linear destination address
 1Dh\tBYTE\taccess rights byte (always 93h)
 1Eh 18 BYTEs\tzeros (used by BIOS to build code and stack descriptors)
SeeAlso: AH=88h,AH=89h,INT 2F/AX=4310h

@@B 1588
INT 15 - SYSTEM - GET EXTENDED MEMORY SIZE (286+)
\tAH = 88h
Return:\tCF clear if successful
\t    AX = number of contiguous KB starting at absolute address 100000h
\tCF set on error
Notes:\tmany BIOSes return at most 15 MB or 64 MB here; use AX=E801h or
\t  AX=E820h for larger systems
\tan XMS driver hooks this call and returns 0 to keep older programs out
\t  of the memory it manages
SeeAlso: AH=87h,AX=E801h,CMOS 30h

@@B 1589
INT 15 - SYSTEM - SWITCH TO PROTECTED MODE
\tAH = 89h
\tBL = interrupt number for IRQ0 (IRQ1-7 follow)
\tBH = interrupt number for IRQ8 (IRQ9-15 follow)
\tES:SI -> GDT for protected mode, with entries for the IDT, the GDT
\t  itself, the caller's DS, ES, SS and CS
Return:\tCF set on error: AH = FFh
\tCF clear if successful: AH = 00h, CS, DS, ES and SS are protected mode
\t  selectors
SeeAlso: AH=87h

@@B 15C0
INT 15 - SYSTEM - GET CONFIGURATION (XT after 1986/1/10,AT,XT286,PS)
\tAH = C0h
Return:\tCF set if the BIOS does not support the call
\tCF clear if successful
\t    AH = status (00h)
\t    ES:BX -> ROM table (see #00320)

Format of ROM configuration table:
Offset\tSize\tDescription\t(Table 00320)
 00h\tWORD\tnumber of bytes following
 02h\tBYTE\tmodel (same as F000h:FFFEh)
 03h\tBYTE\tsubmodel
 04h\tBYTE\tBIOS revision
 05h\tBYTE\tfeature byte 1: bit 6 second interrupt controller, bit 5 real
\t\t  time clock, bit 4 INT 15/AH=4Fh called, bit 2 extended BIOS
\t\t  data area allocated
SeeAlso: AH=C1h,MEM F000h:FFFEh

@@B 15C1
INT 15 - SYSTEM - RETURN EXTENDED-BIOS DATA-AREA SEGMENT ADDRESS (PS)
\tAH = C1h
Return:\tCF set on error
\tCF clear if successful: ES = segment of the extended BIOS data area
Note:\tthe segment is also kept at 0040h:000Eh on most machines
SeeAlso: AH=C0h,MEM 0040h:000Eh

@@M 15C200
INT 15 - SYSTEM - POINTING DEVICE BIOS INTERFACE (PS) - ENABLE/DISABLE
\tAX = C200h
\tBH = 00h disable, 01h enable
Return:\tCF clear if successful
\tCF set on failure: AH = status (see #00330)

(Table 00330)
Values for pointing device status:
 00h\tsuccessful
 01h\tinvalid function
 02h\tinvalid input
 03h\tinterface error
 04h\tneed to resend
 05h\tno device handler installed
SeeAlso: AX=C201h,AX=C207h,INT 74

@@M 15C201
INT 15 - SYSTEM - POINTING DEVICE BIOS INTERFACE (PS) - RESET
\tAX = C201h
Return:\tCF clear if successful
\t    BH = device ID
\t    BL = value returned by the device after the reset (AAh)
\tCF set on failure: AH = status (see #00330)
SeeAlso: AX=C200h

@@M 15C207
INT 15 - SYSTEM - POINTING DEVICE BIOS INTERFACE (PS) - SET DEVICE HANDLER ADDRESS
\tAX = C207h
\tES:BX -> far routine to call for each data packet, 0000h:0000h to cancel
Return:\tCF clear if successful
\tCF set on failure: AH = status (see #00330)
Note:\tthe routine is called with four words on the stack: status, X data,
\t  Y data and a zero word; it must return with a far RET, not IRET
SeeAlso: AX=C200h,INT 33/AX=000Ch

@@X 15D800
INT 15 - EISA SYSTEM ROM - READ SLOT CONFIGURATION INFORMATION
\tAX = D800h
\tCL = slot number
Return:\tCF clear if successful
\t    AH = 00h
\t    AL = bit flags (duplicate ID, slot type, configuration state)
\t    BH,BL = major,minor revision of configuration utility
\t    DH = number of device functions
\t    SI:DI = compressed EISA board ID
\tCF set on error: AH = error code (80h invalid slot, 82h EISA CMOS
\t  corrupt, 83h empty slot)
SeeAlso: AX=D801h

@@X 15D801
INT 15 - EISA SYSTEM ROM - READ FUNCTION CONFIGURATION INFORMATION
\tAX = D801h
\tCH = function number to read
\tCL = slot number
\tDS:SI -> 320-byte buffer for the standard configuration data block
Return:\tCF clear if successful: AH = 00h, buffer filled
\tCF set on error: AH = error code
SeeAlso: AX=D800h

@@b 15E801
INT 15 - Phoenix BIOS v4.0 - GET MEMORY SIZE FOR >64M CONFIGURATIONS
\tAX = E801h
Return:\tCF clear if successful
\t    AX = extended memory between 1M and 16M, in K (max 3C00h = 15MB)
\t    BX = extended memory above 16M, in 64K blocks
\t    CX = configured memory 1M to 16M, in K
\t    DX = configured memory above 16M, in 64K blocks
\tCF set on error
Note:\tsome BIOSes return zero in AX/BX and the values in CX/DX only
SeeAlso: AH=88h,AX=E820h/DX=534Dh

@@b 15E820DX534D
INT 15 - newer BIOSes - GET SYSTEM MEMORY MAP
\tAX = E820h
\tEDX = 534D4150h ("SMAP")
\tEBX = continuation value, 00000000h for the first call
\tECX = size of buffer for the result, at least 20 bytes
\tES:DI -> buffer for one address range descriptor (see #00340)
Return:\tCF clear if successful
\t    EAX = 534D4150h ("SMAP")
\t    ES:DI buffer filled
\t    EBX = next continuation value or 00000000h if this was the last
\t    ECX = number of bytes returned
\tCF set on error: AH = error code
Notes:\tthe ranges are not sorted and may overlap; callers must merge them
\tsome BIOSes signal the end by returning CF set instead of EBX = 0

Format of address range descriptor:
Offset\tSize\tDescription\t(Table 00340)
 00h\tQWORD\tbase address
 08h\tQWORD\tlength in bytes
 10h\tDWORD\ttype of range (see #00341)
 14h\tDWORD\t(ACPI 3.0) extended attributes

(Table 00341)
Values for address range type:
 01h\tmemory, available to the operating system
 02h\treserved, not available (ROM, memory-mapped device)
 03h\tACPI reclaimable memory, usable once the ACPI tables are read
 04h\tACPI non-volatile storage, must be preserved
 05h\tarea containing bad memory
SeeAlso: AX=E801h,AH=88h,INT 12

@@h 15E980DX4753
INT 15 - Intel SpeedStep - GET APPLET INTERFACE
\tAX = E980h
\tEDX = 47534943h ("GSIC")
Return:\tCF clear if supported
\t    EAX = signature of the SMI handler
\t    EBX = SMI command port and function code
\t    ECX = current and maximum performance states
\tCF set if not supported
Note:\tthe applet then changes the processor speed by writing the returned
\t  function code to the returned command port
SeeAlso: AX=5300h,MSR 00000198h,MSR 00000199h
"""

INT_16_1F = """
@@B 1600
INT 16 - KEYBOARD - GET KEYSTROKE
\tAH = 00h
Return:\tAH = BIOS scan code
\tAL = ASCII character
Notes:\twaits until a key is available; on extended keyboards the extra
\t  keys are translated to their 84-key equivalents or discarded
\tcalls INT 15/AH=90h while waiting, so multitaskers can run other work
SeeAlso: AH=01h,AH=10h,INT 21/AH=07h,INT 09

@@B 1601
INT 16 - KEYBOARD - CHECK FOR KEYSTROKE
\tAH = 01h
Return:\tZF set if no keystroke is available
\tZF clear if a keystroke is available
\t    AH = BIOS scan code
\t    AL = ASCII character
Note:\tthe keystroke stays in the buffer; call AH=00h to remove it
SeeAlso: AH=00h

@@B 1602
INT 16 - KEYBOARD - GET SHIFT FLAGS
\tAH = 02h
Return:\tAL = shift flags (see #00400)

Bitfields for keyboard shift flags:
Bit(s)\tDescription\t(Table 00400)
 7\tInsert active
 6\tCapsLock active
 5\tNumLock active
 4\tScrollLock active
 3\tAlt key pressed (either Alt on enhanced keyboards)
 2\tCtrl key pressed (either Ctrl)
 1\tleft shift key pressed
 0\tright shift key pressed
SeeAlso: MEM 0040h:0017h

@@B 160305
INT 16 - KEYBOARD - SET TYPEMATIC RATE AND DELAY
\tAX = 0305h
\tBH = delay before repeat: 00h 250ms, 01h 500ms, 02h 750ms, 03h 1000ms
\tBL = repeat rate: 00h 30/sec ... 0Ch 10/sec ... 1Fh 2/sec
Return:\tnothing
Note:\tAL values 00h-04h on the PCjr and some later machines select preset
\t  modes instead
SeeAlso: AH=02h,PORT 0060h

@@B 1605
INT 16 - KEYBOARD - STORE KEYSTROKE IN KEYBOARD BUFFER (AT/PS w enh keybd only)
\tAH = 05h
\tCH = scan code
\tCL = ASCII character
Return:\tAL = 00h if successful, 01h if the buffer is full
Note:\tuseful for keyboard macro programs and for stuffing a command into
\t  the buffer before a program exits
SeeAlso: AH=00h,INT 15/AH=4Fh

@@B 1610
INT 16 - KEYBOARD - GET ENHANCED KEYSTROKE (enhanced kbd support only)
\tAH = 10h
Return:\tAH = BIOS scan code
\tAL = ASCII character
Note:\tunlike AH=00h, the codes of the extra keys (F11, F12, the separate
\t  cursor block) are returned unchanged; those keys give E0h in AL
SeeAlso: AH=00h

@@K 16ED00SI5154
INT 16 - QUILLKEY keyboard enhancer - INSTALLATION CHECK
\tAX = ED00h
\tSI = 5154h ("QT")
Return:\tAX = 00EDh if installed
\tSI = segment of the resident part
\tCX = version (CH = major, CL = minor)
Program:\tQUILLKEY is a made-up keyboard macro program for this sample; it
\t  lets users bind strings of up to 250 keystrokes to any key
SeeAlso: AX=ED01h,INT 2F/AX=AD80h

@@K 16ED01
INT 16 - QUILLKEY keyboard enhancer - DEFINE MACRO
\tAX = ED01h
\tBX = key code to redefine (scan code in BH, character in BL)
\tCX = number of keystrokes
\tDS:SI -> array of keystroke words
Return:\tAX = 0000h if successful, 0001h out of macro space
SeeAlso: AX=ED00h/SI=5154h

@@P 1700
INT 17 - PRINTER - WRITE CHARACTER
\tAH = 00h
\tAL = character to write
\tDX = printer number (00h-02h)
Return:\tAH = printer status (see #00450)
Note:\tthe timeout loop count for each printer is at 0040h:0078h

Bitfields for printer status:
Bit(s)\tDescription\t(Table 00450)
 7\tnot busy
 6\tacknowledge
 5\tout of paper
 4\tselected
 3\tI/O error
 2-1\tunused
 0\ttimeout
SeeAlso: AH=01h,AH=02h,PORT 0378h-037Ah

@@P 1701
INT 17 - PRINTER - INITIALIZE PORT
\tAH = 01h
\tDX = printer number
Return:\tAH = printer status (see #00450)
Note:\tpulses the INIT line of the port, which resets most printers
SeeAlso: AH=00h

@@P 1702
INT 17 - PRINTER - GET STATUS
\tAH = 02h
\tDX = printer number
Return:\tAH = printer status (see #00450)
SeeAlso: AH=00h,AH=01h

@@B 18
INT 18 - DISKLESS BOOT HOOK (START CASSETTE BASIC)
Desc:\ton IBM machines this starts the BASIC interpreter kept in ROM; clones
\t  show a message such as "NO ROM BASIC" instead
Notes:\tmachines following the BIOS boot rules (BBS) call this when every boot device
\t  has failed, and network boot ROMs hook it
SeeAlso: INT 19,INT 86

@@B 19
INT 19 - SYSTEM - BOOTSTRAP LOADER
Desc:\treads the boot sector of the first diskette or hard disk into memory
\t  at 0000h:7C00h and jumps to it with DL holding the boot drive
Notes:\tdoes not clear memory or reset interrupt vectors, so calling it from
\t  DOS with hooked vectors usually hangs the machine
\ta warm reboot is better done by setting 0040h:0072h to 1234h and
\t  jumping to FFFFh:0000h
SeeAlso: INT 18,MEM 0040h:0072h,@F000h:FFF0h,@F000h:E6F2h

@@B 1A00
INT 1A - TIME - GET SYSTEM TIME
\tAH = 00h
Return:\tCX:DX = number of clock ticks since midnight
\tAL = midnight flag, nonzero if midnight passed since the time was
\t  last read
Notes:\tthere are about 18.2 ticks per second (1193180/65536) and 1800B0h
\t  ticks per day
\treading the time clears the midnight flag, so DOS may miss a date
\t  change if another program calls this first
SeeAlso: AH=02h,INT 08"TIMER",INT 21/AH=2Ch

@@B 1A02
INT 1A - TIME - GET REAL-TIME CLOCK TIME (AT,XT286,PS)
\tAH = 02h
Return:\tCF clear if successful
\t    CH = hour (BCD)
\t    CL = minutes (BCD)
\t    DH = seconds (BCD)
\t    DL = daylight savings flag (00h standard, 01h daylight)
\tCF set on error (clock not running or being updated)
SeeAlso: AH=04h,CMOS 00h,CMOS 0Bh

@@B 1A04
INT 1A - TIME - GET REAL-TIME CLOCK DATE (AT,XT286,PS)
\tAH = 04h
Return:\tCF clear if successful
\t    CH = century (BCD)
\t    CL = year (BCD)
\t    DH = month (BCD)
\t    DL = day (BCD)
\tCF set on error
SeeAlso: CMOS 32h

@@B 1A06
INT 1A - TIME - SET ALARM (AT,XT286,PS)
\tAH = 06h
\tCH = hour (BCD)
\tCL = minutes (BCD)
\tDH = seconds (BCD)
Return:\tCF set if an alarm is already set or the clock is stopped
Note:\tthe BIOS calls INT 4A when the alarm time arrives
SeeAlso: INT 4A,CMOS 01h

@@X 1AB101
INT 1A - PCI BIOS v2.0c+ - INSTALLATION CHECK
\tAX = B101h
\tEDI = 00000000h
Return:\tAH = 00h if installed, CF clear
\t    EDX = 20494350h (" ICP")
\t    EDI = physical address of protected-mode entry point
\t    AL = hardware mechanism: bit 0 configuration mechanism 1, bit 1
\t      mechanism 2, bit 4 broadcast cycle via mechanism 1
\t    BH = major version (BCD)
\t    BL = minor version (BCD)
\t    CL = number of the last PCI bus in the system
\tCF set if not installed
SeeAlso: AX=B102h,AX=B108h,PORT 0CF8h

@@X 1AB102
INT 1A - PCI BIOS v2.0c+ - FIND PCI DEVICE
\tAX = B102h
\tCX = device ID
\tDX = vendor ID
\tSI = device index (0-n)
Return:\tCF clear if successful
\t    BH = bus number
\t    BL = device and function number (bits 7-3 device, 2-0 function)
\tCF set on error
\tAH = status: 00h successful, 83h bad vendor ID, 86h device not found
SeeAlso: AX=B101h,AX=B103h

@@X 1AB103
INT 1A - PCI BIOS v2.0c+ - FIND PCI CLASS CODE
\tAX = B103h
\tECX = class code in the low three bytes
\tSI = device index (0-n)
Return:\tCF clear if successful: BH = bus number, BL = device/function
\tCF set on error: AH = 86h no such device
SeeAlso: AX=B102h

@@X 1AB108
INT 1A - PCI BIOS v2.0c+ - READ CONFIGURATION BYTE
\tAX = B108h
\tBH = bus number
\tBL = device and function number
\tDI = register number (0000h-00FFh)
Return:\tCF clear if successful: CL = byte read
\tCF set on error
\tAH = status: 00h successful, 87h bad register number
SeeAlso: AX=B10Ah

@@X 1AB10A
INT 1A - PCI BIOS v2.0c+ - READ CONFIGURATION DWORD
\tAX = B10Ah
\tBH = bus number
\tBL = device and function number
\tDI = register number (multiple of 4)
Return:\tCF clear if successful: ECX = dword read
\tCF set on error: AH = status
SeeAlso: AX=B108h,AX=B10Dh

@@B 1B
INT 1B C - KEYBOARD - CONTROL-BREAK HANDLER
Desc:\tthe INT 09 handler calls this when Ctrl-Break is pressed
Notes:\tDOS points it at a routine that sets a flag, which it checks at its
\t  next opportunity to stop the program
\tthe BIOS default is an IRET
SeeAlso: INT 23,INT 09

@@B 1C
INT 1C - TIME - SYSTEM TIMER TICK
Desc:\tthe INT 08 handler calls this on each timer tick, after updating the
\t  tick count; programs hook it for periodic work
Notes:\tthe interrupt controller has not yet received its end-of-interrupt
\t  when this is called, so the handler must be short
\tthe BIOS default is an IRET
SeeAlso: INT 08"TIMER"

@@j 1C--D7
INT 1C - DRIP - FALLING LETTERS - INSTALLATION CHECK
\tAL = D7h
Return:\tAL = 7Dh if installed
Program:\tDRIP is a made-up prank for this sample which, after ten idle minutes,
\t  lets letters fall from the top rows of the screen to the bottom one
Note:\tthe letters are put back as soon as a key is pressed
SeeAlso: INT 10/AL=E9h

@@B 1D
INT 1D - SYSTEM DATA - VIDEO PARAMETER TABLES
Desc:\tthis vector is not called; it points at a table of four groups of
\t  sixteen CRT controller values for the original video modes
SeeAlso: INT 10,INT 1E,INT 1F

@@B 1E
INT 1E - SYSTEM DATA - DISKETTE PARAMETERS
Desc:\tpoints at an 11-byte table that the diskette code reads for step
\t  rate, head settle time, motor start delay and sector size

Format of diskette parameter table:
Offset\tSize\tDescription\t(Table 00500)
 00h\tBYTE\tfirst controller setup byte: step rate and head unload time
 01h\tBYTE\tsecond controller setup byte: head load time, DMA flag
 02h\tBYTE\tdelay until motor off, in clock ticks
 03h\tBYTE\tbytes per sector: 00h 128, 01h 256, 02h 512, 03h 1024
 04h\tBYTE\tsectors per track
 05h\tBYTE\tlength of gap between sectors
 06h\tBYTE\tdata length (ignored if byte 03h is nonzero)
 07h\tBYTE\tgap length when formatting
 08h\tBYTE\tformat filler byte (usually F6h)
 09h\tBYTE\thead settle time in milliseconds
 0Ah\tBYTE\tmotor start time in 1/8 seconds
Note:\tDOS copies the table to RAM and raises the sectors per track value so
\t  that one table fits all supported formats
SeeAlso: INT 13/AH=08h,INT 1D,CMOS 10h

@@B 1F
INT 1F - SYSTEM DATA - 8x8 GRAPHICS FONT
Desc:\tpoints at the shapes of characters 80h-FFh used in CGA graphics modes;
\t  the ROM holds only the first 128 shapes
Note:\tGRAFTABL loads a table and points this vector at it
SeeAlso: INT 43,INT 10/AX=1130h,INT 2F/AX=B000h
"""

INT_20_21A = """
@@D 20
INT 20 - DOS 1+ - TERMINATE PROGRAM
\tCS = segment of the program segment prefix
Return:\tnever
Notes:\tclosing files and freeing memory is done as for INT 21/AH=4Ch, but the
\t  return code is always zero
\tthe CS requirement makes this call unusable from .EXE programs unless
\t  they jump to the INT 20 instruction at offset 0 of their PSP
SeeAlso: INT 21/AH=00h,INT 21/AH=4Ch,INT 27

@@D 2100
INT 21 - DOS 1+ - TERMINATE PROGRAM
\tAH = 00h
\tCS = PSP segment
Return:\tnever
Note:\tkept for compatibility; new programs use AH=4Ch
SeeAlso: AH=4Ch,AH=31h,INT 20

@@D 2101
INT 21 - DOS 1+ - READ CHARACTER FROM STANDARD INPUT, WITH ECHO
\tAH = 01h
Return:\tAL = character read
Notes:\tCtrl-C and Ctrl-Break are checked and call INT 23
\tan extended key returns 00h first; the scan code comes with the next
\t  call
SeeAlso: AH=06h,AH=07h,AH=0Ah

@@D 2102
INT 21 - DOS 1+ - WRITE CHARACTER TO STANDARD OUTPUT
\tAH = 02h
\tDL = character to write
Return:\tAL = last character output (despite the official docs, which say
\t  nothing is returned)
Note:\ta backspace moves the cursor left but does not erase
SeeAlso: AH=06h,AH=09h,INT 10/AH=0Eh

@@D 2106
INT 21 - DOS 1+ - DIRECT CONSOLE OUTPUT
\tAH = 06h
\tDL = character (except FFh)
Return:\tAL = character output
Notes:\tdoes not check for Ctrl-C or Ctrl-Break
\twith DL = FFh the call reads instead: ZF set if no character is
\t  available, else ZF clear and AL = character
SeeAlso: AH=02h,AH=07h

@@D 2107
INT 21 - DOS 1+ - DIRECT CHARACTER INPUT, WITHOUT ECHO
\tAH = 07h
Return:\tAL = character read from standard input
Note:\tno Ctrl-C check is made
SeeAlso: AH=01h,AH=06h,INT 16/AH=00h

@@D 2109
INT 21 - DOS 1+ - WRITE STRING TO STANDARD OUTPUT
\tAH = 09h
\tDS:DX -> string ending in "$"
Return:\tAL = 24h (the "$" terminator)
Notes:\tthe dollar sign itself is not written, so it cannot be printed with
\t  this call
\tCtrl-C is checked after each character
SeeAlso: AH=02h,AH=06h"OUTPUT",AH=40h

@@D 210A
INT 21 - DOS 1+ - BUFFERED INPUT\t(LINE EDITING)
\tAH = 0Ah
\tDS:DX -> buffer (see #01000)
Return:\tbuffer filled with the line typed by the user
Notes:\tthe line ends with CR (0Dh), which is stored but not counted
\tthe usual editing keys work; characters beyond the maximum are refused
\t  with a beep

Format of DOS input buffer:
Offset\tSize\tDescription\t(Table 01000)
 00h\tBYTE\tmaximum characters the buffer holds, including the CR
 01h\tBYTE\t(call) count of bytes from a previous input to reuse
\t\t(ret) number of characters actually read, excluding the CR
 02h  N BYTEs\tthe characters, followed by CR
SeeAlso: INT 2F/AX=4810h

@@D 210E
INT 21 - DOS 1+ - SELECT DEFAULT DRIVE
\tAH = 0Eh
\tDL = new default drive (00h = A:, 01h = B:, etc)
Return:\tAL = number of potentially valid drive letters
Note:\tthe count returned is at least 5 under DOS 3+ (the LASTDRIVE value)
SeeAlso: AH=19h,AH=3Bh

@@D 2119
INT 21 - DOS 1+ - GET CURRENT DEFAULT DRIVE
\tAH = 19h
Return:\tAL = drive (00h = A:, 01h = B:, etc)
SeeAlso: AH=0Eh,AH=47h

@@D 211A
INT 21 - DOS 1+ - SET DISK TRANSFER AREA ADDRESS
\tAH = 1Ah
\tDS:DX -> disk transfer area (DTA)
Return:\tnothing
Notes:\tthe DTA of a new program is at offset 80h of its PSP, overlapping the
\t  command tail
\tthe find-first and find-next calls put their results in the DTA
SeeAlso: AH=4Eh

@@D 2125
INT 21 - DOS 1+ - SET INTERRUPT VECTOR
\tAH = 25h
\tAL = interrupt number
\tDS:DX -> new interrupt handler
Return:\tnothing
Note:\tsafer than writing the vector table directly, because DOS disables
\t  interrupts while it stores the two words
SeeAlso: AH=35h,AX=2503h"Phar Lap"

@@E 212503
INT 21 P - Phar Lap 386/DOS-Extender - SET REAL-MODE INTERRUPT VECTOR
\tAX = 2503h
\tCL = interrupt number
\tEBX = real-mode address (segment in high word, offset in low word)
Return:\tCF clear
Note:\tthe protected-mode vector is left alone
SeeAlso: AH=25h

@@D 212A
INT 21 - DOS 1+ - GET SYSTEM DATE
\tAH = 2Ah
Return:\tCX = year (1980-2099)
\tDH = month
\tDL = day
\tAL = day of week (00h = Sunday)
SeeAlso: AH=2Bh,AH=2Ch,INT 1A/AH=04h

@@D 212B
INT 21 - DOS 1+ - SET SYSTEM DATE
\tAH = 2Bh
\tCX = year (1980-2099)
\tDH = month
\tDL = day
Return:\tAL = 00h successful, FFh invalid date (left unchanged)
Note:\tDOS 3.3+ also sets the real-time clock
SeeAlso: AH=2Ah

@@Q 212B01CX4445DX5351
INT 21 - DESQview - INSTALLATION CHECK
\tAH = 2Bh
\tAL = 01h (the subfunction is ignored by DOS)
\tCX = 4445h ("DE")
\tDX = 5351h ("SQ")
Return:\tAL = FFh if DESQview is not running (an invalid date for DOS)
\tAL <> FFh if it is running
\t    BH = major version
\t    BL = minor version
Note:\tthe trick works because DOS rejects the year 4445h
SeeAlso: INT 15/AX=1000h,INT 2F/AX=DE00h

@@D 212C
INT 21 - DOS 1+ - GET SYSTEM TIME
\tAH = 2Ch
Return:\tCH = hour
\tCL = minute
\tDH = second
\tDL = 1/100 seconds
Note:\tthe clock only ticks 18.2 times a second, so the hundredths move in
\t  steps of five or six
SeeAlso: AH=2Ah,INT 1A/AH=00h

@@D 2130
INT 21 - DOS 2+ - GET DOS VERSION
\tAH = 30h
\tAL = what to return in BH: 00h OEM number, 01h version flag
Return:\tAL = major version number (00h if DOS 1.x)
\tAH = minor version number
\tBL:CX = 24-bit user serial number (most versions do not use it)
\tBH = OEM number or version flag (bit 3 set if DOS is in ROM)
Notes:\tthe returned version can be changed by SETVER for each program; use
\t  AX=3306h to get the true version
\tthe OS/2 compatibility box returns 10 or 20 as the major version
SeeAlso: AX=3306h,AX=4452h

@@D 2131
INT 21 - DOS 2+ - TERMINATE AND STAY RESIDENT
\tAH = 31h
\tAL = return code
\tDX = number of paragraphs to keep resident
Return:\tnever
Notes:\tthe memory block starting at the PSP is resized to DX paragraphs;
\t  other blocks owned by the program stay allocated
\tfiles the program opened stay open
SeeAlso: AH=4Ch,INT 27,INT 2F/AX=1680h
"""

INT_21B = """
@@D 213300
INT 21 - DOS 2+ - GET CTRL-BREAK CHECKING STATE
\tAX = 3300h
Return:\tDL = 00h off (checks only during character I/O), 01h on
SeeAlso: INT 1B,INT 23

@@D 213306
INT 21 - DOS 5+ - GET TRUE VERSION NUMBER
\tAX = 3306h
Return:\tBL = major version
\tBH = minor version
\tDL = revision in bits 2-0
\tDH = flags: bit 3 DOS in ROM, bit 4 DOS in the high memory area
Note:\tnot affected by SETVER; the Windows NT console returns 5.50
SeeAlso: AH=30h

@@D 2134
INT 21 - DOS 2+ - GET ADDRESS OF INDOS FLAG
\tAH = 34h
Return:\tES:BX -> one-byte InDOS flag
Notes:\tthe flag is nonzero while a DOS call is in progress; a TSR that pops
\t  up may call DOS only when it is zero, or from an INT 28 handler
\tthe critical error flag is the byte just before it on DOS 3.1+
SeeAlso: AX=5D06h,INT 28,INT 2F/AX=1200h

@@D 2135
INT 21 - DOS 2+ - GET INTERRUPT VECTOR
\tAH = 35h
\tAL = interrupt number
Return:\tES:BX -> current interrupt handler
SeeAlso: AH=25h,AX=2503h"Phar Lap"

@@D 2136
INT 21 - DOS 2+ - GET FREE DISK SPACE
\tAH = 36h
\tDL = drive number (00h = default, 01h = A:, etc)
Return:\tAX = FFFFh if the drive is invalid
\telse
\t    AX = sectors per cluster
\t    BX = number of free clusters
\t    CX = bytes per sector
\t    DX = total clusters on the drive
Note:\ton large FAT32 drives the values are capped at 2 GB; use
\t  AX=7303h instead
SeeAlso: AX=7303h,AH=1Ch

@@D 2138
INT 21 - DOS 2+ - GET COUNTRY-DEPENDENT INFORMATION
\tAH = 38h
\tAL = 00h current country, 01h-FEh country code, FFh code is in BX
\tDS:DX -> 34-byte buffer
Return:\tCF set on error: AX = 0002h invalid country
\tCF clear if successful: BX = country code, buffer filled with date
\t  format, currency symbol, separators and the case map routine address
SeeAlso: AX=6501h,INT 2F/AX=1400h

@@D 2139
INT 21 - DOS 2+ - "MKDIR" - CREATE SUBDIRECTORY
\tAH = 39h
\tDS:DX -> ASCIZ pathname
Return:\tCF clear if successful: AX destroyed
\tCF set on error: AX = error code (03h, 05h) (see #01050)
SeeAlso: AH=3Ah,AH=3Bh,AX=7139h

@@D 213A
INT 21 - DOS 2+ - "RMDIR" - REMOVE SUBDIRECTORY
\tAH = 3Ah
\tDS:DX -> ASCIZ pathname of the directory to remove
Return:\tCF clear if successful
\tCF set on error: AX = error code (03h, 05h, 06h, 10h)
Note:\tthe directory must be empty and must not be the current directory of
\t  any drive
SeeAlso: AH=39h

@@D 213B
INT 21 - DOS 2+ - "CHDIR" - SET CURRENT DIRECTORY
\tAH = 3Bh
\tDS:DX -> ASCIZ pathname, at most 64 bytes including the drive
Return:\tCF clear if successful
\tCF set on error: AX = 0003h path not found
SeeAlso: AH=47h,AH=0Eh

@@D 213C
INT 21 - DOS 2+ - "CREAT" - CREATE OR TRUNCATE FILE
\tAH = 3Ch
\tCX = file attributes (see #01051)
\tDS:DX -> ASCIZ filename
Return:\tCF clear if successful: AX = file handle
\tCF set on error: AX = error code (03h, 04h, 05h)
Note:\tan existing file of that name is cut to zero length
SeeAlso: AH=3Dh,AX=6C00h,#01051,#01050

Bitfields for file attributes:
Bit(s)\tDescription\t(Table 01051)
 0\tread-only
 1\thidden
 2\tsystem
 3\tvolume label (ignored when creating)
 4\tdirectory
 5\tarchive
 7\tshareable (Novell NetWare)

@@D 213D
INT 21 - DOS 2+ - "OPEN" - OPEN EXISTING FILE
\tAH = 3Dh
\tAL = access and sharing modes (see #01052)
\tDS:DX -> ASCIZ filename
\tCL = attribute mask of files to look for (server call only)
Return:\tCF clear if successful: AX = file handle
\tCF set on error: AX = error code (01h, 02h, 03h, 04h, 05h, 0Ch, 56h)
Notes:\tthe file pointer starts at the beginning of the file
\tnetwork redirectors see the call through INT 2F/AX=1116h

Bitfields for access and sharing modes:
Bit(s)\tDescription\t(Table 01052)
 2-0\taccess: 000 read only, 001 write only, 010 read/write
 3\treserved (0)
 6-4\tsharing: 000 compatibility, 001 deny all, 010 deny write,
\t  011 deny read, 100 deny none
 7\tthe handle is private to this process (not inherited)
SeeAlso: AH=3Ch,AH=3Eh,AX=6C00h,INT 2F/AX=1116h

@@D 213E
INT 21 - DOS 2+ - "CLOSE" - CLOSE FILE
\tAH = 3Eh
\tBX = file handle
Return:\tCF clear if successful: AX destroyed
\tCF set on error: AX = 0006h invalid handle
Note:\tif the file was written, its directory entry gets the time of the
\t  last write
SeeAlso:  AH=3Dh,AH=68h

@@D 213F
INT 21 - DOS 2+ - "READ" - READ FROM FILE OR DEVICE
\tAH = 3Fh
\tBX = file handle
\tCX = number of bytes to read
\tDS:DX -> buffer
Return:\tCF clear if successful: AX = number of bytes actually read (0 at end
\t  of file)
\tCF set on error: AX = error code (05h, 06h)
Note:\treading from the console stops at the end of a line
SeeAlso: AH=40h,AH=42h, AH=3Dh

@@D 2140
INT 21 - DOS 2+ - "WRITE" - WRITE TO FILE OR DEVICE
\tAH = 40h
\tBX = file handle
\tCX = number of bytes to write
\tDS:DX -> data to write
Return:\tCF clear if successful: AX = number of bytes actually written
\tCF set on error: AX = error code (05h, 06h)
Notes:\twith CX = 0000h the file is truncated or extended to the current
\t  position
\tfewer bytes written than asked usually means the disk is full
SeeAlso: AH=3Fh,AH=42h,AH=68h

@@D 2141
INT 21 - DOS 2+ - "UNLINK" - DELETE FILE
\tAH = 41h
\tDS:DX -> ASCIZ filename (no wildcards)
\tCL = attribute mask (server call only)
Return:\tCF clear if successful
\tCF set on error: AX = error code (02h, 03h, 05h)
Note:\tread-only files cannot be deleted this way
SeeAlso: AH=13h,AX=4301h,AH=56h

@@D 2142
INT 21 - DOS 2+ - "LSEEK" - SET CURRENT FILE POSITION
\tAH = 42h
\tAL = origin: 00h start of file, 01h current position, 02h end of file
\tBX = file handle
\tCX:DX = signed offset from the origin
Return:\tCF clear if successful: DX:AX = new position from the start
\tCF set on error: AX = error code (01h, 06h)
Note:\tmoving past the end is allowed; the file grows on the next write
SeeAlso: AH=3Fh,AH=40h,#01050

@@D 214300
INT 21 - DOS 2+ - GET FILE ATTRIBUTES
\tAX = 4300h
\tDS:DX -> ASCIZ filename
Return:\tCF clear if successful: CX = attributes (see #01051)
\tCF set on error: AX = error code (01h, 02h, 03h, 05h)
SeeAlso: AX=4301h

@@D 214301
INT 21 - DOS 2+ - "CHMOD" - SET FILE ATTRIBUTES
\tAX = 4301h
\tCX = new attributes (see #01051)
\tDS:DX -> ASCIZ filename
Return:\tCF clear if successful
\tCF set on error: AX = error code
Note:\tthe volume label and directory bits cannot be changed
SeeAlso: AX=4300h

@@D 214400
INT 21 - DOS 2+ - IOCTL - GET DEVICE INFORMATION
\tAX = 4400h
\tBX = handle
Return:\tCF clear if successful: DX = device information word (see #01060)
\tCF set on error: AX = error code (01h, 05h, 06h)

Bitfields for device information word:
Bit(s)\tDescription\t(Table 01060)
 14\tdevice driver supports IOCTL read/write
 7\tset for a character device, clear for a file
---character devices---
 6\tend of file on input
 5\traw (binary) mode
 3\tclock device
 2\tNUL device
 1\tstandard output
 0\tstandard input
---disk files---
 6\tfile has not been written
 5-0\tdrive number (0 = A:)
SeeAlso: AX=4408h

@@D 214408
INT 21 - DOS 3.0+ - IOCTL - CHECK IF BLOCK DEVICE REMOVABLE
\tAX = 4408h
\tBL = drive number (00h = default, 01h = A:, ...)
Return:\tCF clear if successful: AX = 0000h removable, 0001h fixed
\tCF set on error: AX = error code (01h, 0Fh)
SeeAlso: AX=4400h

@@D 21440DCX0860
INT 21 - DOS 3.2+ - IOCTL - GENERIC BLOCK DEVICE REQUEST - GET DEVICE PARAMETERS
\tAX = 440Dh
\tBL = drive number (00h = default, 01h = A:, ...)
\tCH = 08h (disk drive category)
\tCL = 60h
\tDS:DX -> parameter block: function flags byte, device type,
\t  attributes, cylinder count, media type and a BIOS parameter block
Return:\tCF clear if successful
\tCF set on error: AX = error code (01h, 02h, 05h)
Note:\tbit 0 of the function flags byte selects the BPB of the media in
\t  the drive instead of the default BPB for the drive type
SeeAlso: AX=440Dh/CX=0840h

@@D 2145
INT 21 - DOS 2+ - "DUP" - DUPLICATE FILE HANDLE
\tAH = 45h
\tBX = file handle
Return:\tCF clear if successful: AX = new handle
\tCF set on error: AX = error code (04h, 06h)
Note:\tclosing the copy flushes the file to disk while the original stays
\t  open, a well-known trick to commit data before DOS 3.3
SeeAlso: AH=68h

@@D 2147
INT 21 - DOS 2+ - "CWD" - GET CURRENT DIRECTORY
\tAH = 47h
\tDL = drive number (00h = default, 01h = A:, etc)
\tDS:SI -> 64-byte buffer for ASCIZ pathname
Return:\tCF clear if successful: buffer holds the path without drive letter
\t  or leading backslash
\tCF set on error: AX = 000Fh invalid drive
SeeAlso: AH=3Bh,AH=19h,AX=7147h

@@D 2148
INT 21 - DOS 2+ - ALLOCATE MEMORY
\tAH = 48h
\tBX = number of paragraphs to allocate
Return:\tCF clear if successful: AX = segment of the new block
\tCF set on error
\t    AX = error code (07h, 08h)
\t    BX = size of the largest available block
Note:\ta program started from COMMAND.COM owns all memory; it must shrink
\t  its own block with AH=4Ah before this call can succeed
SeeAlso: AH=49h,AH=4Ah,AX=5800h

@@D 2149
INT 21 - DOS 2+ - FREE MEMORY
\tAH = 49h
\tES = segment of the block to free
Return:\tCF clear if successful
\tCF set on error: AX = error code (07h, 09h)
SeeAlso: AH=48h,AH=4Ah

@@D 214A
INT 21 - DOS 2+ - RESIZE MEMORY BLOCK
\tAH = 4Ah
\tBX = new size in paragraphs
\tES = segment of the block
Return:\tCF clear if successful
\tCF set on error
\t    AX = error code (07h, 08h, 09h)
\t    BX = maximum paragraphs available for the block
Note:\tunder DOS 2.1-6.0 a failed request still resizes the block to the
\t  largest possible size
SeeAlso: AH=48h,AH=49h
"""

INT_21C = """
@@D 214B00
INT 21 - DOS 2+ - "EXEC" - LOAD AND EXECUTE PROGRAM
\tAX = 4B00h
\tDS:DX -> ASCIZ program name (must include extension)
\tES:BX -> parameter block (see #01070)
Return:\tCF clear if successful: BX and DX destroyed; all other registers
\t  except CS:IP may be destroyed under DOS 2.x
\tCF set on error: AX = error code (01h, 02h, 05h, 08h, 0Ah, 0Bh)
Notes:\tthe caller must have freed enough memory with AH=4Ah first
\tthe child's return code is fetched afterwards with AH=4Dh

Format of EXEC parameter block for AL=00h,01h:
Offset\tSize\tDescription\t(Table 01070)
 00h\tWORD\tsegment of environment to copy (0000h = use parent's)
 02h\tDWORD\tpointer to command tail to be copied into the child's PSP
 06h\tDWORD\tpointer to first FCB to be copied into the child's PSP
 0Ah\tDWORD\tpointer to second FCB to be copied into the child's PSP
 0Eh\tDWORD\t(AL=01h) will hold the subprogram's initial SS:SP
 12h\tDWORD\t(AL=01h) will hold the entry point (CS:IP)
SeeAlso: AX=4B01h,AH=4Ch,AH=4Dh,INT 2E

@@D 214B01
INT 21 - DOS 2+ - LOAD PROGRAM
\tAX = 4B01h
\tDS:DX -> ASCIZ program name
\tES:BX -> parameter block (see #01070)
Return:\tCF clear if successful: the block is filled with the initial SS:SP
\t  and CS:IP of the child, which has not been started
\tCF set on error: AX = error code
Note:\tdebuggers use this to load the program they are going to trace
SeeAlso: AX=4B00h,AH=50h

@@v 214BFE
INT 21 - VIRUS - "Magpie" - INSTALLATION CHECK
\tAX = 4BFEh
Return:\tAX = FE4Bh if resident
Desc:\tMagpie is a made-up file infector used only as an example in this
\t  sample list; real viruses often answer such private EXEC subfunctions
Note:\tanti-virus scanners can call the same function to see whether the
\t  virus is active in memory
SeeAlso: AX=4B00h,INT 13/AH=02h

@@D 214C
INT 21 - DOS 2+ - "EXIT" - TERMINATE WITH RETURN CODE
\tAH = 4Ch
\tAL = return code
Return:\tnever returns
Notes:\tfiles opened with handles are closed and the program's memory blocks
\t  are freed unless it is a TSR; FCB-opened files are not closed
\tthe vectors for INT 22, INT 23 and INT 24 are restored from the PSP
\tthe return code can be read by the parent with AH=4Dh and by batch
\t  files with IF ERRORLEVEL
SeeAlso: AH=00h,AH=31h,AH=4Dh,INT 20,INT 22

@@D 214D
INT 21 - DOS 2+ - GET RETURN CODE (ERRORLEVEL)
\tAH = 4Dh
Return:\tAH = termination type: 00h normal, 01h Ctrl-C abort, 02h critical
\t  error abort, 03h terminate and stay resident
\tAL = return code
Note:\tthe value can only be read once; later calls give zero
SeeAlso: AH=4Ch,AH=4Bh

@@D 214E
INT 21 - DOS 2+ - "FINDFIRST" - FIND FIRST MATCHING FILE
\tAH = 4Eh
\tAL = flag for APPEND (refer to INT 2F/AX=B711h)
\tCX = attribute mask (see #01051); bit 3 alone asks for the volume label
\tDS:DX -> ASCIZ file name pattern, may hold wildcards
Return:\tCF clear if successful: the DTA holds the result (see #01080)
\tCF set on error: AX = error code (02h, 03h, 12h)
Note:\tthe hidden, system and directory bits widen the search; read-only
\t  and archive bits are ignored

Format of FindFirst data block:
Offset\tSize\tDescription\t(Table 01080)
 00h 21 BYTEs\treserved for FindNext (drive, pattern, directory position)
 15h\tBYTE\tattribute of the file found
 16h\tWORD\tfile time (see #01090)
 18h\tWORD\tfile date (see #01091)
 1Ah\tDWORD\tfile size
 1Eh 13 BYTEs\tASCIZ name and extension in the form NAME.EXT, blanks removed
SeeAlso: AH=4Fh,AH=1Ah,AX=714Eh

@@D 214F
INT 21 - DOS 2+ - "FINDNEXT" - FIND NEXT MATCHING FILE
\tAH = 4Fh
\t[DTA] = data block from the previous FindFirst or FindNext
Return:\tCF clear if successful: the DTA holds the next result
\tCF set on error: AX = 0012h no more files
SeeAlso: AH=4Eh

@@D 2150
INT 21 - DOS 2+ internal - SET CURRENT PROCESS ID (SET PSP ADDRESS)
\tAH = 50h
\tBX = segment of the PSP to make current
Return:\tnothing
Notes:\tTSRs switch to their own PSP before they open files so that the
\t  files belong to them and not to the interrupted program
\tDOS 2.x uses the wrong stack for this call if it is made from an INT
\t  28 handler
SeeAlso: AH=51h

@@D 2151
INT 21 - DOS 2+ internal - GET CURRENT PROCESS ID (GET PSP ADDRESS)
\tAH = 51h
Return:\tBX = segment of the current PSP
Note:\tsame as AH=62h, which was documented from DOS 3.0 on
SeeAlso: AH=50h

@@D 2152
INT 21 U - DOS 2+ internal - "SYSVARS" - GET LIST OF LISTS
\tAH = 52h
Return:\tES:BX -> DOS list of lists (see #01100)
Note:\tthe layout changes with each DOS version; this sample shows only the
\t  fields that stayed put
!!! check the DOS version before trusting any offset below

Format of List of Lists:
Offset\tSize\tDescription\t(Table 01100)
 -02h\tWORD\tsegment of the first memory control block
 00h\tDWORD\t-> first drive parameter block
 04h\tDWORD\t-> first system file table
 08h\tDWORD\t-> active CLOCK$ device header
 0Ch\tDWORD\t-> active CON device header
 10h\tWORD\tmaximum bytes per sector of any block device
 12h\tDWORD\t-> disk buffer information
 16h\tDWORD\t-> current directory structure array
 20h\tBYTE\tnumber of block devices installed
 21h\tBYTE\tnumber of available drive letters (LASTDRIVE)
 22h 18 BYTEs\tthe NUL device header, start of the device chain
SeeAlso: AH=34h,INT 2F/AX=1216h

@@D 2156
INT 21 - DOS 2+ - "RENAME" - RENAME FILE
\tAH = 56h
\tDS:DX -> ASCIZ name of the existing file
\tES:DI -> ASCIZ new name
\tCL = attribute mask (server call only)
Return:\tCF clear if successful
\tCF set on error: AX = error code (02h, 03h, 05h, 11h)
Notes:\tthe file can be moved to another directory of the same drive
\twildcards are allowed only in the server call form
SeeAlso: AH=17h,AX=7156h

@@D 215700
INT 21 - DOS 2+ - GET FILE'S LAST-WRITTEN DATE AND TIME
\tAX = 5700h
\tBX = file handle
Return:\tCF clear if successful
\t    CX = file's time (see #01090)
\t    DX = file's date (see #01091)
\tCF set on error: AX = error code (01h, 06h)

Bitfields for file time:
Bit(s)\tDescription\t(Table 01090)
 15-11\thours (0-23)
 10-5\tminutes
 4-0\tseconds/2
  ┌───────────┬─────────────┬───────────┐
  │15 hours 11│10 minutes  5│4 sec/2   0│
  └───────────┴─────────────┴───────────┘

Bitfields for file date:
Bit(s)\tDescription\t(Table 01091)
 15-9\tyear - 1980
 8-5\tmonth
 4-0\tday
SeeAlso: AH=2Ah

@@D 215800
INT 21 - DOS 2.11+ - GET OR SET MEMORY ALLOCATION STRATEGY - GET
\tAX = 5800h
Return:\tCF clear if successful: AX = strategy (see #01110)
\tCF set on error: AX = error code
Note:\tAX=5801h sets the strategy from BL

(Table 01110)
Values for memory allocation strategy:
 00h\tlow memory first fit
 01h\tlow memory best fit
 02h\tlow memory last fit
 40h\thigh memory first fit (DOS 5+)
 41h\thigh memory best fit
 42h\thigh memory last fit
 80h\tfirst fit, try high memory then low memory
 81h\tbest fit, try high then low
 82h\tlast fit, try high then low
SeeAlso: AH=48h

@@D 2159BX0000
INT 21 - DOS 3.0+ - GET EXTENDED ERROR INFORMATION
\tAH = 59h
\tBX = 0000h
Return:\tAX = extended error code (see #01050)
\tBH = error class
\tBL = recommended action
\tCH = error locus
\tES:DI may point to a disk label on a diskette change error
Note:\tthe call destroys CL, DX, SI, DI, BP, DS and ES

(Table 01050)
Values for DOS extended error code:
 00h\tno error
 01h\tfunction number invalid
 02h\tfile not found
 03h\tpath not found
 04h\ttoo many open files
 05h\taccess denied
 06h\tinvalid handle
 07h\tmemory control block destroyed
 08h\tinsufficient memory
 09h\tmemory block address invalid
 0Ah\tenvironment invalid
 0Bh\tformat invalid
 0Ch\taccess code invalid
 0Dh\tdata invalid
 0Fh\tinvalid drive
 10h\tattempted to remove current directory
 11h\tnot same device
 12h\tno more files
 20h\tsharing violation
 21h\tlock violation
 50h\tfile exists
 52h\tcannot make directory
 53h\tfail on INT 24
SeeAlso: AX=5D0Ah,INT 24

@@D 215C
INT 21 - DOS 3.0+ - "FLOCK" - RECORD LOCKING
\tAH = 5Ch
\tAL = 00h lock region, 01h unlock region
\tBX = file handle
\tCX:DX = start offset of the region
\tSI:DI = length of the region
Return:\tCF clear if successful
\tCF set on error: AX = error code (01h, 06h, 21h, 24h)
Note:\tneeds SHARE to be loaded; an unlock must match a previous lock
\t  exactly
SeeAlso: AH=3Dh,INT 2F/AX=1000h

@@N 215E00
INT 21 - DOS 3.1+ network - GET MACHINE NAME
\tAX = 5E00h
\tDS:DX -> 16-byte buffer for ASCIZ machine name
Return:\tCF clear if successful
\t    CH = 00h name not defined, nonzero valid
\t    CL = NetBIOS number of the name
\t    buffer filled with the name, padded with blanks
\tCF set on error: AX = 0001h function not supported
SeeAlso: AX=5E01h,AX=5F02h

@@N 215F02
INT 21 - DOS 3.1+ network - GET REDIRECTION LIST ENTRY
\tAX = 5F02h
\tBX = redirection list index
\tDS:SI -> 16-byte buffer for ASCIZ device name
\tES:DI -> 128-byte buffer for ASCIZ network name
Return:\tCF clear if successful
\t    BH = device status (bit 0 clear if valid)
\t    BL = device type: 03h printer, 04h drive
\t    CX = stored parameter value
\tCF set on error: AX = error code (01h, 12h no more entries)
SeeAlso: AX=5F03h,INT 2F/AX=1100h

@@N 215F03
INT 21 - DOS 3.1+ network - REDIRECT DEVICE
\tAX = 5F03h
\tBL = device type: 03h printer, 04h drive
\tCX = parameter to save for the caller
\tDS:SI -> ASCIZ local device name ("LPT1", "F:")
\tES:DI -> ASCIZ network name, followed by an ASCIZ password
Return:\tCF clear if successful
\tCF set on error: AX = error code (01h, 03h, 05h, 08h, 0Fh, 12h)
SeeAlso: AX=5F02h

@@D 2160
INT 21 - DOS 3.0+ - "TRUENAME" - CANONICALIZE FILENAME OR PATH
\tAH = 60h
\tDS:SI -> ASCIZ filename or path
\tES:DI -> 128-byte buffer for the canonical name
Return:\tCF clear if successful: buffer holds the fully qualified name, with
\t  SUBST and JOIN undone and network drives shown as \\\\SERVER\\SHARE
\tCF set on error: AX = error code (02h, 03h)
Note:\tthe name need not exist; the call only rewrites it

@@D 2168
INT 21 - DOS 3.3+ - "FFLUSH" - COMMIT FILE
\tAH = 68h
\tBX = file handle
Return:\tCF clear if successful
\tCF set on error: AX = error code
Note:\twrites the file's buffers and updates its directory entry without
\t  closing it
SeeAlso: AX=5D01h,AH=6Ah

@@D 216C00
INT 21 - DOS 4.0+ - EXTENDED OPEN/CREATE
\tAX = 6C00h
\tBL = open mode as for AH=3Dh, with bit 13 critical error handling
\t  and bit 14 write-through in BX
\tCX = create attribute
\tDL = action if file exists or not: bits 3-0 for an existing file
\t  (0 fail, 1 open, 2 truncate), bits 7-4 for a missing file (0 fail,
\t  1 create)
\tDS:SI -> ASCIZ filename
Return:\tCF clear if successful
\t    AX = file handle
\t    CX = 0001h file opened, 0002h file created, 0003h file replaced
\tCF set on error: AX = error code
SeeAlso: AH=3Ch,AH=3Dh,AX=716Ch

@@W 217139
INT 21 - Windows95 - LONG FILENAME - MAKE DIRECTORY
\tAX = 7139h
\tDS:DX -> ASCIZ long directory name
Return:\tCF clear if successful
\tCF set on error: AX = error code (7100h if long names are not supported)
Note:\tall long-name calls set AL = 00h and CF when the function is missing,
\t  so callers should test for AX = 7100h to fall back to plain calls
SeeAlso: AH=39h,AX=714Eh

@@W 21714E
INT 21 - Windows95 - LONG FILENAME - FIND FIRST MATCHING FILE
\tAX = 714Eh
\tCL = allowable attributes
\tCH = required attributes
\tSI = date/time format: 0000h 64-bit file time, 0001h DOS format
\tDS:DX -> ASCIZ file name pattern, may contain wildcards
\tES:DI -> FindData record (see #01120)
Return:\tCF clear if successful
\t    AX = search handle, to be closed with AX=71A1h
\t    CX = Unicode conversion flags
\tCF set on error: AX = error code

Format of Windows95 long filename FindData record:
Offset\tSize\tDescription\t(Table 01120)
 00h\tDWORD\tfile attributes
 04h\tQWORD\tfile creation time
 0Ch\tQWORD\tlast access time
 14h\tQWORD\tlast modification time
 1Ch\tDWORD\tfile size, high 32 bits
 20h\tDWORD\tfile size, low 32 bits
 24h  8 BYTEs\treserved
 2Ch 260 BYTEs\tASCIZ full filename
 130h 14 BYTEs\tASCIZ short filename, empty if the same as the long one
SeeAlso: AH=4Eh,AX=714Fh,AX=71A1h

@@D 217303
INT 21 - Windows95 - FAT32 - GET EXTENDED FREE SPACE ON DRIVE
\tAX = 7303h
\tDS:DX -> ASCIZ root name, such as "C:\\"
\tES:DI -> buffer for the free space structure
\tCX = size of the buffer
Return:\tCF clear if successful: buffer filled with 32-bit counts of sectors
\t  per cluster, bytes per sector, free clusters and total clusters
\tCF set on error: AX = error code
SeeAlso: AH=36h,AX=7302h

@@O 214452
INT 21 - DR DOS 3.41+ - DETERMINE DR DOS VERSION
\tAX = 4452h ("DR")
\tCF set
Return:\tCF set if not DR DOS
\tCF clear if DR DOS
\t    AX = version code: 1063h DR DOS 3.41, 1065h 5.0, 1067h 6.0
\t    DX = product flags
Note:\tMS-DOS returns with CF set, because it has no function 44h/52h
SeeAlso: AH=30h,AX=3306h
"""

INT_22_2E = """
@@D 22
INT 22 - DOS 1+ - PROGRAM TERMINATION ADDRESS
Desc:\tnot called; holds the address DOS jumps to when the current program
\t  ends
Note:\tthe value is saved at offset 0Ah of the PSP and restored from there
SeeAlso: INT 20,INT 21/AH=4Ch,INT 23,INT 24

@@D 23
INT 23 - DOS 1+ - CONTROL-C/CONTROL-BREAK HANDLER
Desc:\tcalled by DOS when it sees Ctrl-C or Ctrl-Break during I/O
Return:\tIRET to continue, RETF with CF set to abort the program, or
\t  RETF with CF clear to continue
Note:\tthe handler may call any DOS function; DOS has reset its state first
SeeAlso: INT 1B

@@D 24
INT 24 - DOS 1+ - CRITICAL ERROR HANDLER
Desc:\tcalled by DOS when a device reports an error it cannot get past, such
\t  as a drive without a diskette or a printer out of paper
\tAH = type and processing flags: bit 7 clear for a disk error, bits 5-3
\t  allowed responses (ignore, retry, fail), bits 2-1 area of disk
\tAL = drive number for disk errors
\tBP:SI -> device driver header
\tDI low byte = error code
Return:\tAL = action: 00h ignore, 01h retry, 02h terminate via INT 23, 03h fail
Note:\tthe handler may only call DOS functions 01h-0Ch, 30h and 59h
SeeAlso: INT 21/AH=59h,INT 23

@@D 25
INT 25 - DOS 1+ - ABSOLUTE DISK READ (except partitions > 32M)
\tAL = drive number (00h = A:, 01h = B:, etc)
\tCX = number of sectors to read
\tDX = starting logical sector number
\tDS:BX -> buffer
Return:\tCF clear if successful, CF set on error: AH = status, AL = error
\tthe original flags are left on the stack and must be popped
Note:\tlarger partitions use CX = FFFFh and a parameter block at DS:BX
SeeAlso: INT 13/AH=02h

@@D 27
INT 27 - DOS 1+ - TERMINATE AND STAY RESIDENT
\tDX = number of bytes to keep resident, counted from the PSP (max FFF0h)
\tCS = segment of the PSP
Return:\tnever
Note:\tlimited to 64K; new programs use INT 21/AH=31h
SeeAlso: INT 21/AH=31h

@@D 28
INT 28 C - DOS 2+ - DOS IDLE INTERRUPT
Desc:\tDOS calls this while it waits for keyboard input; a TSR may then call
\t  DOS functions above 0Ch even though InDOS is set to 1
Note:\tprograms that wait for keys themselves should call it too, so that
\t  background tasks keep running
SeeAlso: INT 21/AH=34h,INT 2F/AX=1680h

@@D 29
INT 29 C - DOS 2+ - FAST CONSOLE OUTPUT
\tAL = character to display
Return:\tnothing
Desc:\tcalled by the console driver when it has the fast output bit set;
\t  the default handler uses INT 10/AH=0Eh
SeeAlso: INT 21/AH=02h,INT 10/AH=0Eh

@@N 2A00
INT 2A - NETWORK - INSTALLATION CHECK
\tAH = 00h
Return:\tAH <> 00h if installed
Note:\tthe interface goes back to the first PC network program
SeeAlso: INT 5C,INT 2F/AX=B800h

@@N 2A80
INT 2A C - NETWORK - BEGIN DOS CRITICAL SECTION
\tAH = 80h
\tAL = critical section number (00h-0Fh)
Return:\tnothing
Note:\tDOS calls this around code that must not be re-entered; network
\t  software and multitaskers hook it

@@* 2B
INT 2B - DOS 2+ - RESERVED
Desc:\tthe vector points at an IRET; no DOS version uses it

@@t 2D--00
INT 2D - ALTERNATE MULTIPLEX INTERRUPT - INSTALLATION CHECK
\tAL = 00h
\tAH = multiplex number (00h-FFh)
Return:\tAL = 00h not in use, FFh in use
\t    CX = version number (CH = major, CL = minor)
\t    DX:DI -> signature string of 8 bytes manufacturer and 8 bytes product
\t      name, followed by an ASCIZ description
Notes:\tprograms find a free multiplex number by calling this for each
\t  value of AH, and find a copy of themselves by comparing signatures
\tthe interface lets a TSR be unloaded safely and lists the interrupts
\t  it has hooked
Range:\tmultiplex numbers 00h to FFh, all free for programs to claim
SeeAlso: INT 2D/AL=01h,INT 2D/AL=02h,INT 2D/AL=04h

@@t 2D--01
INT 2D - ALTERNATE MULTIPLEX INTERRUPT - GET PRIVATE ENTRY POINT
\tAL = 01h
\tAH = multiplex number
Return:\tAL = 00h if not supported
\tAL = FFh if supported: DX:BX -> entry point for bypassing interrupt
\t  chain
SeeAlso: AL=00h

@@t 2D--02
INT 2D - ALTERNATE MULTIPLEX INTERRUPT - UNINSTALL
\tAL = 02h
\tAH = multiplex number
\tDX:BX -> return address for a successful uninstall (may be ignored)
Return:\tAL = status: 00h not implemented, 01h unsuccessful, 02h cannot do
\t  now but will later, 03h safe to remove but no resident uninstaller,
\t  04h-FEh removed, FFh successful
SeeAlso: AL=00h,AL=04h

@@t 2D--04
INT 2D - ALTERNATE MULTIPLEX INTERRUPT - DETERMINE CHAINED INTERRUPTS
\tAL = 04h
\tAH = multiplex number
\tBL = interrupt number (except 2Dh)
Return:\tAL = status: 00h not implemented, 01h (obsolete) unable to tell,
\t  02h (obsolete) hooked, 03h (obsolete) hooked with new-style
\t  hooks, 04h DX:BX -> list of hooked interrupts
Note:\tthe list has three-byte entries (interrupt number, offset of the
\t  handler) and ends with interrupt 2Dh
SeeAlso: AL=02h

@@D 2E
INT 2E U - DOS 2+ - PASS COMMAND TO COMMAND INTERPRETER FOR EXECUTION
\tDS:SI -> command line: count byte, text, CR
Return:\tall registers except CS:IP destroyed
\tAX = status (4DOS and later versions of COMMAND.COM)
Notes:\truns the command in the copy of COMMAND.COM loaded first, not in a
\t  new one; changes to the environment affect that master copy
\tbatch files run this way cannot be interrupted safely
SeeAlso: INT 21/AX=4B00h,INT 2F/AX=AE00h
"""

INT_2F_A = """
@@P 2F0100
INT 2F - DOS 3.0+ PRINT - INSTALLATION CHECK
\tAX = 0100h
Return:\tAL = status: 00h not installed, OK to install; 01h not installed,
\t  not OK to install; FFh installed
Note:\tAH values 00h-BFh of this interrupt belong to the operating system;
\t  C0h-FFh are free for applications
SeeAlso: AX=0101h,INT 2D/AL=00h

@@P 2F0101
INT 2F - DOS 3.0+ PRINT - SUBMIT FILE FOR PRINTING
\tAX = 0101h
\tDS:DX -> submit packet: BYTE level (0), DWORD pointer to ASCIZ filename
Return:\tCF clear if successful
\tCF set on error: AX = error code (01h, 02h, 03h, 04h, 05h, 08h, 0Ch)
Note:\tthe filename may not contain wildcards
SeeAlso: AX=0100h,AX=0102h

@@f 2F0600
INT 2F - DOS 3.2+ ASSIGN - INSTALLATION CHECK
\tAX = 0600h
Return:\tAL = 00h not installed, FFh installed
SeeAlso: AX=0601h

@@f 2F1000
INT 2F - SHARE - INSTALLATION CHECK
\tAX = 1000h
Return:\tAL = 00h not installed, 01h not installed but not OK to install,
\t  FFh installed
Note:\tDOS 4.0 loads SHARE itself for large partitions
SeeAlso: INT 21/AH=5Ch

@@N 2F1100
INT 2F - NETWORK REDIRECTOR - INSTALLATION CHECK
\tAX = 1100h
Return:\tAL = 00h not installed, 01h not OK to install, FFh installed
Notes:\tthe redirector interface (AX=1101h-1130h) is how network clients
\t  and CD-ROM extensions become DOS drives
\tDOS calls these functions for every file operation on a remote drive
SeeAlso: AX=1116h,INT 21/AX=5F02h

@@N 2F1116
INT 2F U - NETWORK REDIRECTOR - OPEN EXISTING REMOTE FILE
\tAX = 1116h
\tES:DI -> uninitialized system file table entry for the file
\tSS = DOS data segment
\t[SP+4] = new open mode
Return:\tCF set on error: AX = DOS error code
\tCF clear if successful: the SFT entry is filled
SeeAlso: AX=1100h,INT 21/AH=3Dh

@@D 2F1200
INT 2F U - DOS 3.0+ internal - INSTALLATION CHECK
\tAX = 1200h
Return:\tAL = FFh (for compatibility; DOS is always present)
Note:\tthe 12xxh calls give resident code access to DOS internals; they
\t  change between versions and need care
! this sample lists only a few of them
SeeAlso: AX=1216h

@@D 2F1216
INT 2F U - DOS 3.0+ internal - GET ADDRESS OF SYSTEM FILE TABLE ENTRY
\tAX = 1216h
\tBX = system file table entry number
Return:\tCF clear if successful: ES:DI -> the entry
\tCF set if BX is larger than the number of entries
SeeAlso: INT 21/AH=52h

@@D 2F1400
INT 2F - NLSFUNC - INSTALLATION CHECK
\tAX = 1400h
Return:\tAL = 00h not installed, FFh installed
Note:\tNLSFUNC loads the country information that INT 21/AH=38h and
\t  AH=65h return for code pages other than the boot one
SeeAlso: INT 21/AH=38h

@@T 2F1600
INT 2F - TASKHOP task switcher - COMPATIBILITY PROBE
\tAX = 1600h
Return:\tAL = 00h if TASKHOP is not resident
\tAL = 7Fh if TASKHOP is resident, BX = segment of its data
Program:\tTASKHOP is a made-up task switcher for this sample; it answers this
\t  call so that programs asking "is Windows running?" behave as they
\t  would under a real switcher
Note:\tthis entry shares its function number with the Windows check below;
\t  which of them answers depends on load order
SeeAlso: AX=1600h"Windows",AX=4B02h

@@W 2F1600
INT 2F - MS Windows - WINDOWS ENHANCED MODE INSTALLATION CHECK
\tAX = 1600h
Return:\tAL = 00h neither Windows 3.x enhanced mode nor Windows/386 2.x
\t  running
\tAL = 01h or FFh Windows/386 2.x running
\tAL = 80h neither of them running, but an XMS driver handles the call
\tAL = major version (03h, 04h) of enhanced-mode Windows
\tAH = minor version
Note:\tstandard and real mode Windows do not answer; use AX=4680h for them
SeeAlso: AX=1605h,AX=160Ah,AX=1683h

@@W 2F1605
INT 2F C - MS Windows - WINDOWS ENHANCED MODE & 286 DOSX INIT BROADCAST
\tAX = 1605h
\tES:BX = 0000h:0000h
\tDS:SI = 0000h:0000h
\tCX = 0000h
\tDX = flags: bit 0 clear for enhanced mode, set for standard mode
\tDI = version number (0300h for 3.00)
Return:\tCX = 0000h if OK for Windows to load, nonzero to refuse
\tES:BX -> startup info structure chained by each TSR
\tDS:SI -> virtual-8086 mode enable/disable callback (for memory
\t  managers)
Note:\ta TSR that receives this call must chain to the previous handler
\t  before filling in its own structure
SeeAlso: AX=1608h

@@W 2F1680
INT 2F - MS Windows, DPMI, various - RELEASE CURRENT VIRTUAL MACHINE TIME-SLICE
\tAX = 1680h
Return:\tAL = 00h if the call is supported
\tAL = 80h (unchanged) if not supported
Note:\tprograms that wait in a loop for a key or an event should call
\t  this, because it tells the multitasker that the rest of the time
\t  slice is not needed
SeeAlso: INT 15/AX=1000h,INT 28,INT 7A/BX=000Ah

@@W 2F1683
INT 2F - MS Windows 3+ - GET CURRENT VIRTUAL MACHINE ID
\tAX = 1683h
Return:\tBX = current virtual machine ID
Note:\tWindows itself runs in the system VM, whose ID is 0001h
SeeAlso: AX=1684h/BX=0021h

@@W 2F1684BX0021
INT 2F P - MS Windows - GET DEVICE API ENTRY POINT - PAGEFILE
\tAX = 1684h
\tBX = 0021h (virtual device ID of the paging file device)
\tES:DI = 0000h:0000h
Return:\tES:DI -> VxD API entry point, or 0:0 if the VxD has no API for the
\t  current mode
Note:\tthe same call with other BX values gives the entry points of other
\t  virtual devices
SeeAlso: AX=1683h,AX=1684h/BX=0001h

@@E 2F1687
INT 2F - DOS Protected-Mode Interface - INSTALLATION CHECK
\tAX = 1687h
Return:\tAX = 0000h if installed
\t    BX = flags: bit 0 32-bit programs supported
\t    CL = processor type (02h 80286, 03h 80386, 04h 80486)
\t    DH = DPMI major version
\t    DL = DPMI minor version (binary)
\t    SI = number of paragraphs of DOS memory needed for private data
\t    ES:DI -> DPMI mode-switch entry point
\tAX <> 0000h if not installed
Note:\tthe caller allocates SI paragraphs, puts their segment in ES, sets
\t  AX bit 0 for a 32-bit client and calls the entry point to enter
\t  protected mode
SeeAlso: INT 31/AX=0400h,INT 31/AX=0000h

@@W 2F168F
INT 2F - Windows95 - CLOSE-AWARENESS - ENABLE/DISABLE CLOSE COMMAND
\tAX = 168Fh
\tDH = 00h
\tDL = 00h disable, 01h enable
Return:\tAX = 0000h if successful
Note:\ta DOS program that enables the close command must poll with
\t  DH = 01h to learn when the user has asked it to quit
SeeAlso: AX=1680h

@@W 2F1700
INT 2F - MS Windows/WINOLDAP - IDENTIFY WinOldAp VERSION
\tAX = 1700h
Return:\tAX = 1700h if this version of WINOLDAP does not support the
\t  clipboard
\tAX <> 1700h: AL = major version, AH = minor version

@@W 2F1703
INT 2F - MS Windows/WINOLDAP - SET CLIPBOARD DATA
\tAX = 1703h
\tDX = format: 01h text, 02h bitmap, 07h OEM text, 08h device
\t  independent bitmap
\tES:BX -> data
\tSI:CX = size of data in bytes
Return:\tAX = 0000h error, nonzero if successful
SeeAlso: AX=1705h

@@V 2F1A00
INT 2F - DOS 4.0+ ANSI.SYS - INSTALLATION CHECK
\tAX = 1A00h
Return:\tAL = FFh if installed
Note:\tsome third-party console drivers also answer this
SeeAlso: AX=1A01h

@@m 2F4300
INT 2F - EXTENDED MEMORY MANAGER (XMS) - INSTALLATION CHECK
\tAX = 4300h
Return:\tAL = 80h XMS driver installed
\tAL <> 80h no driver
SeeAlso: AX=4310h,INT 15/AH=88h

@@m 2F4310
INT 2F - EXTENDED MEMORY MANAGER (XMS) - GET DRIVER ADDRESS
\tAX = 4310h
Return:\tES:BX -> driver entry point
Notes:\tall XMS functions are made by a far call to this entry point with AH
\t  holding the function number
\tfunction 00h returns the version, 08h the free memory, 09h allocates a
\t  block, 0Bh moves memory and 10h allocates an upper memory block
SeeAlso: AX=4300h,INT 15/AH=87h,INT 67/AH=40h

@@l 2F4800
INT 2F - DOSKEY - INSTALLATION CHECK
\tAX = 4800h
Return:\tAL = 00h not installed, nonzero installed
SeeAlso: AX=4810h

@@l 2F4810
INT 2F - DOSKEY - READ INPUT LINE FROM CONSOLE
\tAX = 4810h
\tDS:DX -> line buffer, formatted as for INT 21/AH=0Ah
Return:\tAX = 0000h if successful
Note:\tthe user gets command history and macro expansion while typing
SeeAlso: AX=4800h,INT 21/AH=0Ah

@@m 2F4A01
INT 2F - DOS 5+ - QUERY FREE HMA SPACE
\tAX = 4A01h
Return:\tBX = number of bytes available in the high memory area (0 if DOS
\t  is not using it)
\tES:DI -> start of the free area (FFFFh:FFFFh if none)
SeeAlso: AX=4A02h,AX=4310h

@@m 2F4A02
INT 2F - DOS 5+ - ALLOCATE HMA SPACE
\tAX = 4A02h
\tBX = number of bytes
Return:\tES:DI -> the allocated block (FFFFh:FFFFh on failure)
Note:\tthe allocation cannot be undone
SeeAlso: AX=4A01h

@@c 2F4A10BX0000
INT 2F - SMARTDRV v4.00+ - INSTALLATION CHECK AND HIT RATIOS
\tAX = 4A10h
\tBX = 0000h
\tCX = EBABh
Return:\tAX = BABEh if loaded
\tDX:BP = number of cache hits
\tDI:SI = number of cache misses
\tBX = number of dirty cache elements
Note:\tthe CX value keeps other programs on this function from answering
SeeAlso: AX=4A10h/BX=0001h,AX=4A11h/BX=0000h

@@c 2F4A10BX0001
INT 2F - SMARTDRV v4.00+ - FLUSH BUFFERS (COMMIT CACHE)
\tAX = 4A10h
\tBX = 0001h
Return:\tnothing
Note:\tprograms call this before rebooting the machine
SeeAlso: AX=4A10h/BX=0000h

@@k 2F4A11BX0000
INT 2F - DBLSPACE.BIN - GET VERSION NUMBER
\tAX = 4A11h
\tBX = 0000h
Return:\tAX = 0000h if installed
\t    BX = 444Dh ("DM")
\t    CL = first drive letter used by the compression driver
\t    CH = number of drive letters used
\t    DX = internal version number (bits 14-0)
SeeAlso: AX=4A11h/BX=0001h

@@k 2F4A11BX0001
INT 2F - DBLSPACE.BIN - GET DRIVE MAP
\tAX = 4A11h
\tBX = 0001h
\tDL = drive number (0 = A:)
Return:\tAX = 0000h if successful
\t    BL bit 7 set if the drive is a compressed volume; then bits 6-0
\t      give the host drive and BH the sequence number of the volume file
SeeAlso: AX=4A11h/BX=0000h

@@T 2F4B01
INT 2F - DOS 5+ TASK SWITCHER - BUILD CALLOUT CHAIN
\tAX = 4B01h
\tCX:DX -> entry point of the task switcher
\tES:BX = 0000h:0000h
Return:\tES:BX -> first client in the callout chain
Note:\tevery client that wants to be told about switches adds itself to
\t  the chain and passes the call on
SeeAlso: AX=4B02h,AX=4B05h

@@T 2F4B02
INT 2F - DOS 5+ TASK SWITCHER - INSTALLATION CHECK
\tAX = 4B02h
\tBX = 0000h
\tES:DI = 0000h:0000h
Return:\tAX = 0000h if a switcher is present, ES:DI -> its entry point
SeeAlso: AX=4B01h,AX=1600h"TASKHOP"

@@T 2F4B05
INT 2F - DOS 5+ TASK SWITCHER - IDENTIFY INSTANCE DATA
\tAX = 4B05h
\tES:BX = 0000h:0000h
Return:\tES:BX -> chain of instance data structures listing memory areas that
\t  must be saved separately for each task
SeeAlso: AX=4B01h

@@K 2FAD80
INT 2F - DOS 3.3+ KEYB - INSTALLATION CHECK
\tAX = AD80h
Return:\tAL = FFh if installed
\t    BX = version number (BH = major, BL = minor)
\t    ES:DI -> internal data
SeeAlso: AX=AD81h,AX=AD82h

@@K 2FAD81
INT 2F - DOS 3.3+ KEYB - SET KEYBOARD CODE PAGE
\tAX = AD81h
\tBX = code page
Return:\tCF set on error: AX = 0001h code page not available
SeeAlso: AX=AD80h

@@K 2FAD82
INT 2F - DOS 3.3+ KEYB - SET KEYBOARD MAPPING
\tAX = AD82h
\tBL = 00h national layout, FFh US layout
Return:\tCF set on error
Note:\tlike pressing Ctrl-Alt-F1 or Ctrl-Alt-F2
SeeAlso: AX=AD80h

@@l 2FAE00
INT 2F - DOS 3.3+ COMMAND.COM - INSTALLABLE COMMAND - INSTALLATION CHECK
\tAX = AE00h
\tDX = FFFFh
\tCH = FFh
\tCL = length of the command line tail
\tDS:BX -> command line buffer
\tDS:SI -> command name buffer (length byte, then the upper-case name)
Return:\tAL = FFh if this command is a TSR extension, 00h if not
SeeAlso: AX=AE01h,INT 2E

@@l 2FAE01
INT 2F - DOS 3.3+ COMMAND.COM - INSTALLABLE COMMAND - EXECUTE
\tAX = AE01h
\tDX = FFFFh
\tCH = 00h
\tDS:SI -> command name buffer
Return:\tthe command name buffer's length byte set to 00h if the TSR ran the
\t  command, or a changed name for COMMAND.COM to run instead
SeeAlso: AX=AE00h

@@V 2FB000
INT 2F - GRAFTABL - INSTALLATION CHECK
\tAX = B000h
Return:\tAL = 00h not installed, FFh installed
SeeAlso: INT 1F

@@f 2FB700
INT 2F - APPEND - INSTALLATION CHECK
\tAX = B700h
Return:\tAL = 00h not installed, FFh installed
SeeAlso: AX=B702h,AX=B706h

@@f 2FB702
INT 2F - APPEND - GET VERSION
\tAX = B702h
Return:\tAX = FFFFh if not DOS 4+ APPEND; else AL = major, AH = minor
SeeAlso: AX=B700h

@@f 2FB706
INT 2F - APPEND - GET APPEND FUNCTION STATE
\tAX = B706h
Return:\tBX = state flags: bit 0 enabled, bit 13 /PATH, bit 14 /E, bit 15
\t  /X
SeeAlso: AX=B707h,AX=B700h

@@N 2FB800
INT 2F - NETWORK - INSTALLATION CHECK
\tAX = B800h
Return:\tAL = 00h not installed, nonzero installed
\tBX = installed component flags: bit 2 messenger, bit 3 redirector,
\t  bit 6 receiver, bit 7 server
SeeAlso: INT 2A/AH=00h

@@F 2FCB00
INT 2F - Communicating Applications interface (CAS) - INSTALLATION CHECK
\tAX = CB00h
Return:\tAL = 00h not installed, FFh installed
Note:\tthe fax board makers who wrote this interface let programs queue faxes
\t  and file transfers without knowing which board is installed
SeeAlso: AX=CB01h,AX=CB0Ah

@@F 2FCB01
INT 2F - Communicating Applications interface (CAS) - SUBMIT A TASK
\tAX = CB01h
\tDS:DX -> ASCIZ path of the task control file
Return:\tAX >= 0000h event handle, AX < 0000h negated error code
SeeAlso: AX=CB00h

@@Q 2FDE00
INT 2F - DESQview External Device Interface - INSTALLATION CHECK
\tAX = DE00h
\tBX = 4445h ("DE")
\tCX = 5844h ("XD")
\tDX = 4931h ("I1")
Return:\tAL = FFh if installed
Note:\tthe unusual register values keep other programs from answering by
\t  accident
SeeAlso: INT 21/AX=2B01h/CX=4445h/DX=5351h
"""

INT_2F_B = """
@@* 2FC4
@@A 2FC500
INT 2F - LEDGERPAD\t- INSTALLATION CHECK
\tAX = C500h
\tBX = 4C50h ("LP")
Return:\tAL = FFh if the resident part is loaded
\tBX = 504Ch ("PL")
\tCX = version (CH = major, CL = minor)
Program:\tLEDGERPAD is a made-up pop-up bookkeeping program for this sample
InstallCheck:\tthe swapped signature in BX tells it apart from other programs that
\t  use multiplex number C5h
SeeAlso: AX=C501h,INT 2D/AL=00h

@@A 2FC501
INT 2F - LEDGERPAD - GET NAME OF OPEN LEDGER
\tAX = C501h
\tES:DI -> 80-byte buffer
Return:\tAL = 00h no ledger open
\tAL = 01h buffer holds the ASCIZ path of the open ledger
SeeAlso: AX=C500h

@@a 2FC600
INT 2F - TALKPAD screen reader - INSTALLATION CHECK
\tAX = C600h
Return:\tAL = FFh if installed
\tBX = speech port (0000h internal speaker, 0001h-0004h COM1-COM4)
Program:\tTALKPAD is a made-up screen reader for this sample which sends the
\t  text under the cursor to a speech synthesizer
SeeAlso: AX=C601h,AX=C602h

@@a 2FC601
INT 2F - TALKPAD screen reader - SPEAK STRING
\tAX = C601h
\tDS:SI -> ASCIZ text
\tCL = voice rate (00h slowest, 09h fastest)
Return:\tAL = 00h queued, 01h speech queue full
Note:\tthe text is spoken after what is already queued
SeeAlso: AX=C600h,AX=C602h

@@a 2FC602
INT 2F - TALKPAD screen reader - SILENCE
\tAX = C602h
Return:\tnothing
Note:\tempties the speech queue at once
SeeAlso: AX=C601h

@@e 2FC700
INT 2F - POSTBAG mail notifier - INSTALLATION CHECK
\tAX = C700h
Return:\tAL = FFh if installed
\tES:BX -> ASCIZ name of the mailbox directory being watched
Program:\tPOSTBAG is a made-up resident program for this sample that beeps when
\t  a new message file appears in a shared network directory
SeeAlso: AX=C702h,INT 21/AX=5F02h

@@e 2FC702
INT 2F - POSTBAG mail notifier - GET NUMBER OF UNREAD MESSAGES
\tAX = C702h
Return:\tCX = number of unread messages
\tDX = number of messages marked urgent
SeeAlso: AX=C700h

@@g 2FC800
INT 2F - HOTSEAT game loader - INSTALLATION CHECK
\tAX = C800h
Return:\tAL = FFh if installed
\tBL = number of players registered
Program:\tHOTSEAT is a made-up loader for this sample which keeps scores of
\t  several players across game sessions
SeeAlso: AX=C801h

@@g 2FC801
INT 2F - HOTSEAT game loader - RECORD SCORE
\tAX = C801h
\tBL = player number
\tDX:CX = score
Return:\tAL = 00h recorded, 01h new high score
SeeAlso: AX=C800h

@@i 2FC900
INT 2F - SYSPEEK system monitor - INSTALLATION CHECK
\tAX = C900h
Return:\tAL = FFh if installed
\tBX = sampling interval in clock ticks
Program:\tSYSPEEK is a made-up resident system monitor for this sample
SeeAlso: AX=C901h,AX=C902h

@@i 2FC901
INT 2F - SYSPEEK system monitor - GET CPU LOAD
\tAX = C901h
Return:\tAL = percentage of ticks spent outside the DOS idle loop during the
\t  last sampling interval
SeeAlso: AX=C900h,INT 28

@@i 2FC902
INT 2F - SYSPEEK system monitor - GET BOARD TEMPERATURE
\tAX = C902h
Return:\tCF clear if a sensor was found
\t    AX = temperature in 1/10 °C
\tCF set if no sensor is present
Note:\tthe value is read from a temperature sensor on the system management
\t  bus; readings above 700 (70°C) make SYSPEEK beep
Index:\tCPU load;temperature;system management bus;SMBus;sensor;monitor;beep;threshold;sampling interval;clock ticks;resident monitor;SYSPEEK;board temperature;thermal alarm;fan;hardware health;made-up program for testing very long lines in the viewer
@@I 2FCA00
INT 2F - TERMLINK 3270 emulator - INSTALLATION CHECK
\tAX = CA00h
Return:\tAL = FFh if installed
\tBX = number of host sessions configured
Program:\tTERMLINK is a made-up terminal emulator for this sample which connects
\t  a PC to a mainframe through a coax adapter card
SeeAlso: AX=CA01h

@@I 2FCA01
INT 2F - TERMLINK 3270 emulator - SEND KEYSTROKES TO HOST SESSION
\tAX = CA01h
\tBL = session number
\tDS:SI -> ASCIZ keystroke string; "@E" stands for the Enter key
Return:\tAL = 00h sent, 01h session busy, 02h session not connected
SeeAlso: AX=CA00h

@@n 2FCC00DI5050
INT 2F - PENPAD pen input driver - INSTALLATION CHECK
\tAX = CC00h
\tDI = 5050h ("PP")
Return:\tAL = FFh if installed
\tDI = 7070h
\tBX = tablet resolution in points per inch
Program:\tPENPAD is a made-up driver for this sample that turns pen strokes on a
\t  serial tablet into keystrokes and mouse movement
SeeAlso: INT 33/AX=0000h,INT 14/AH=00h

@@R 2FCD00BX5248
INT 2F - REMOTEHAND remote control - INSTALLATION CHECK
\tAX = CD00h
\tBX = 5248h ("RH")
Return:\tAL = FFh if installed
\tBX = 0000h if no remote user is connected, else the modem port number
Program:\tREMOTEHAND is a made-up host program for this sample which lets a
\t  caller on another PC see this screen and type on this keyboard
SeeAlso: AX=CD01h,INT 14/AH=04h

@@R 2FCD01
INT 2F - REMOTEHAND remote control - DISCONNECT REMOTE USER
\tAX = CD01h
Return:\tAL = 00h disconnected, 01h nobody was connected
SeeAlso: AX=CD00h/BX=5248h

@@s 2FCE00
INT 2F - TUNEBOX sound driver - INSTALLATION CHECK
\tAX = CE00h
Return:\tAL = FFh if installed
\tBX = base I/O port of the sound card
\tCL = IRQ
\tCH = DMA channel
Program:\tTUNEBOX is a made-up sound driver for this sample
SeeAlso: AX=CE01h,PORT 0220h

@@s 2FCE01
INT 2F - TUNEBOX sound driver - PLAY NOTE
\tAX = CE01h
\tBL = MIDI note number
\tBH = velocity
\tCX = duration in milliseconds
Return:\tAL = 00h queued
SeeAlso: AX=CE00h

@@u 2FCF00
INT 2F - PETEMU home computer emulator - INSTALLATION CHECK
\tAX = CF00h
Return:\tAL = FFh if installed
\tBX = emulated machine: 0001h 8-bit home computer, 0002h game console
Program:\tPETEMU is a made-up emulator for this sample which keeps a snapshot
\t  of the emulated machine in expanded memory
SeeAlso: AX=CF01h,INT 67/AH=43h

@@u 2FCF01

@@x 2FD000
INT 2F - NVSTORE configuration keeper - INSTALLATION CHECK
\tAX = D000h
Return:\tAL = FFh if installed
Program:\tNVSTORE is a made-up utility for this sample that keeps a few named
\t  settings in the unused bytes of the CMOS RAM
SeeAlso: AX=D001h,CMOS 40h

@@x 2FD001
INT 2F - NVSTORE configuration keeper - READ SETTING
\tAX = D001h
\tDS:SI -> ASCIZ setting name (up to 8 characters)
Return:\tCF clear if found: DX = value
\tCF set if there is no such setting
SeeAlso: AX=D000h,PORT 0070h

@@y 2FD100
INT 2F - LOCKUP password guard - INSTALLATION CHECK
\tAX = D100h
Return:\tAL = FFh if installed
\tBL = 00h unlocked, 01h screen locked
Program:\tLOCKUP is a made-up security program for this sample which blanks the
\t  screen and ignores the keyboard until a password is typed
SeeAlso: AX=D101h

@@y 2FD101
INT 2F - LOCKUP password guard - LOCK NOW
\tAX = D101h
Return:\tAL = 00h locked
Note:\tthere is deliberately no call to unlock
SeeAlso: AX=D100h

@@U 2FD200
INT 2F - CLOCKDIAL resident clock - INSTALLATION CHECK
\tAX = D200h
Return:\tAL = FFh if installed
\tDH,DL = row,column where the clock is shown
Program:\tCLOCKDIAL is a made-up utility for this sample that shows the time in
\t  a corner of the text screen
SeeAlso: AX=D201h,INT 1C

@@U 2FD201
INT 2F - CLOCKDIAL resident clock - MOVE CLOCK
\tAX = D201h
\tDH,DL = new row,column
Return:\tnothing
SeeAlso: AX=D200h,INT 10/AH=02h

@@L 2FD300
INT 2F - LOOMTERM - INSTALLATION CHECK
\tAX = D300h
Return:\tAL = FFh if installed
Program:\tLOOMTERM is a made-up program for this sample whose category letter is
\t  not in the category key at the start of this list
SeeAlso: AX=D400h/BP=4F4Fh

@@o 2FD400BP4F4F
INT 2F - ODDMENT TOOLKIT - INSTALLATION CHECK
\tAX = D400h
\tBP = 4F4Fh ("OO")
Return:\tAL = FFh if installed
\tBP = 0000h
Program:\tODDMENT is a made-up toolkit for this sample; its category letter is
\t  not described anywhere either
SeeAlso: AX=D300h

@@c 2FD500
INT 2F - DISKHOLD disk cache - INSTALLATION CHECK
\tAX = D500h
Return:\tAL = FFh if installed
\tBX = cache size in kilobytes
Program:\tDISKHOLD is a made-up read-ahead cache for this sample
SeeAlso: AX=D502h/SF=0001h,AX=4A10h/BX=0000h

@@c 2FD502SF0001
INT 2F - DISKHOLD disk cache - GET STATISTICS - READ COUNTERS
\tAX = D502h
\tES:DI -> request block whose first word (the subfunction) is 0001h
Return:\tAL = 00h if successful, request block filled with hit and miss
\t  counters for each drive
Note:\tsubfunction 0002h resets the counters
SeeAlso: AX=D500h,AX=D502h/SF=0002h

@@G 2FD600
INT 2F - TRACER resident debugger - INSTALLATION CHECK
\tAX = D600h
Return:\tAL = FFh if installed
\tES:BX -> entry point that enters the debugger with the caller's
\t  registers
Program:\tTRACER is a made-up debugger for this sample that pops up on a
\t  hot key or on INT 03
SeeAlso: INT 03,INT 01,INT 41/AX=004Fh
"""

INT_31_4F = """
@@E 310000
INT 31 P - DPMI 0.9+ - ALLOCATE LDT DESCRIPTORS
\tAX = 0000h
\tCX = number of descriptors to allocate
Return:\tCF clear if successful: AX = base selector
\tCF set on error: AX = error code (8011h descriptor unavailable)
Note:\tthe descriptors come back as present data segments with base and
\t  limit zero; add the value from AX=0003h to step from one to the next
SeeAlso: AX=0007h

@@E 310006
INT 31 P - DPMI 0.9+ - GET SEGMENT BASE ADDRESS
\tAX = 0006h
\tBX = selector
Return:\tCF clear if successful: CX:DX = linear base address
\tCF set on error: AX = 8022h invalid selector
SeeAlso: AX=0007h

@@E 310007
INT 31 P - DPMI 0.9+ - SET SEGMENT BASE ADDRESS
\tAX = 0007h
\tBX = selector
\tCX:DX = linear base address
Return:\tCF clear if successful
\tCF set on error: AX = error code (8022h, 8025h)
SeeAlso: AX=0006h

@@E 310100
INT 31 P - DPMI 0.9+ - ALLOCATE DOS MEMORY BLOCK
\tAX = 0100h
\tBX = number of paragraphs
Return:\tCF clear if successful
\t    AX = real-mode segment of the block
\t    DX = selector for the block
\tCF set on error
\t    AX = DOS error code
\t    BX = size of the largest available block
SeeAlso: INT 21/AH=48h

@@E 310200
INT 31 P - DPMI 0.9+ - GET REAL MODE INTERRUPT VECTOR
\tAX = 0200h
\tBL = interrupt number
Return:\tCF clear: CX:DX = segment:offset of the real-mode handler
SeeAlso: AX=0204h

@@E 310300
INT 31 P - DPMI 0.9+ - SIMULATE REAL MODE INTERRUPT
\tAX = 0300h
\tBL = interrupt number
\tBH = flags (bit 0 resets the interrupt controller and A20 line)
\tCX = number of words to copy from the protected-mode stack
\tES:(E)DI -> real mode call structure (see #02800)
Return:\tCF clear if successful: the structure holds the real-mode registers
\t  after the interrupt
\tCF set on error: AX = error code

Format of DPMI real mode call structure:
Offset\tSize\tDescription\t(Table 02800)
 00h\tDWORD\tEDI
 04h\tDWORD\tESI
 08h\tDWORD\tEBP
 0Ch\tDWORD\treserved (0)
 10h\tDWORD\tEBX
 14h\tDWORD\tEDX
 18h\tDWORD\tECX
 1Ch\tDWORD\tEAX
 20h\tWORD\tflags
 22h\tWORD\tES
 24h\tWORD\tDS
 26h\tWORD\tFS
 28h\tWORD\tGS
 2Ah\tWORD\tIP (ignored by this function)
 2Ch\tWORD\tCS (ignored by this function)
 2Eh\tWORD\tSP (0000h to let the host supply a stack)
 30h\tWORD\tSS
SeeAlso: AX=0301h,AX=0302h,INT 21/AX=2503h"Phar Lap"

@@E 310400
INT 31 P - DPMI 0.9+ - GET DPMI VERSION
\tAX = 0400h
Return:\tCF clear
\t    AH = major version, AL = minor version
\t    BX = flags: bit 0 32-bit host, bit 1 interrupts reflected in real
\t      mode, bit 2 virtual memory supported
\t    CL = processor type
\t    DH = master interrupt controller base, DL = slave base
SeeAlso: INT 2F/AX=1687h

@@E 310500
INT 31 P - DPMI 0.9+ - ALLOCATE MEMORY BLOCK
\tAX = 0500h
\tBX:CX = size in bytes
Return:\tCF clear if successful
\t    BX:CX = linear address of the block
\t    SI:DI = handle for freeing or resizing the block
\tCF set on error: AX = error code (8012h, 8013h, 8014h, 8016h, 8021h)
Note:\tno descriptor is created; the caller sets one up with AX=0007h
\t  and AX=0008h
SeeAlso: AX=0007h

@@E 310600
INT 31 P - DPMI 0.9+ - LOCK LINEAR REGION
\tAX = 0600h
\tBX:CX = starting linear address
\tSI:DI = size of region in bytes
Return:\tCF clear if successful
\tCF set on error: AX = error code (8013h, 8017h, 8025h)
Note:\tinterrupt handlers and the data they touch must be locked under a
\t  host with virtual memory
SeeAlso: AX=0601h

@@M 330000
INT 33 - MS MOUSE - RESET DRIVER AND READ STATUS
\tAX = 0000h
Return:\tAX = status: 0000h hardware or driver not installed, FFFFh reset
\t  successful
\tBX = number of buttons (0000h other than two, 0002h two buttons,
\t  0003h Mouse Systems/Logitech three-button mouse, FFFFh two buttons)
Notes:\tthe pointer is hidden, moved to the screen center and given the
\t  default shape; all event handlers are removed
\tbefore calling, check that the vector is not zero, since DOS 2.x
\t  leaves it empty
SeeAlso: AX=0001h,INT 74

@@M 330001
INT 33 - MS MOUSE - SHOW MOUSE CURSOR
\tAX = 0001h
Return:\tnothing
Note:\tthe driver keeps a counter; the pointer is visible only when it is
\t  zero, so each hide must be matched by one show
SeeAlso: AX=0002h

@@M 330002
INT 33 - MS MOUSE - HIDE MOUSE CURSOR
\tAX = 0002h
Return:\tnothing
Note:\thide the pointer before writing to the screen under it
SeeAlso: AX=0001h

@@M 330003
INT 33 - MS MOUSE - RETURN POSITION AND BUTTON STATUS
\tAX = 0003h
Return:\tBX = button status: bit 0 left, bit 1 right, bit 2 middle pressed
\tCX = column
\tDX = row
Note:\tin text modes the coordinates are multiples of 8; divide by 8 to get
\t  the character position
SeeAlso: AX=0004h

@@M 330004
INT 33 - MS MOUSE - POSITION MOUSE CURSOR
\tAX = 0004h
\tCX = column
\tDX = row
Return:\tnothing
SeeAlso: AX=0003h

@@M 330009
INT 33 - MS MOUSE - DEFINE GRAPHICS CURSOR
\tAX = 0009h
\tBX = column of the hot spot in the 16x16 shape (-16 to 16)
\tCX = row of the hot spot
\tES:DX -> two 16-word bitmaps: screen mask, then cursor mask
Return:\tnothing
Note:\tthe screen is ANDed with the first mask and XORed with the second
SeeAlso: AX=000Ah,AX=0012h

@@M 33000A
INT 33 - MS MOUSE - DEFINE TEXT CURSOR
\tAX = 000Ah
\tBX = 0000h software cursor, 0001h hardware cursor
\tCX = screen mask or first scan line of the hardware cursor
\tDX = cursor mask or last scan line
Return:\tnothing
SeeAlso: AX=0009h,INT 10/AH=01h

@@M 33000B
INT 33 - MS MOUSE - READ MOTION COUNTERS
\tAX = 000Bh
Return:\tCX = horizontal movement in mickeys since the last call
\tDX = vertical movement in mickeys since the last call
Note:\ta mickey is the smallest step the mouse reports, 1/200 inch on
\t  many mice
SeeAlso: AX=0003h

@@M 33000C
INT 33 - MS MOUSE - DEFINE INTERRUPT SUBROUTINE PARAMETERS
\tAX = 000Ch
\tCX = event mask (see #03000)
\tES:DX -> far routine
Return:\tnothing
Note:\tthe routine is called with AX = events, BX = buttons, CX,DX =
\t  position, SI,DI = last motion counts; it must end with RETF

Bitfields for mouse event mask:
Bit(s)\tDescription\t(Table 03000)
 0\tcursor moved
 1\tleft button pressed
 2\tleft button released
 3\tright button pressed
 4\tright button released
 5\tmiddle button pressed
 6\tmiddle button released
SeeAlso: AX=0018h,INT 15/AX=C207h

@@M 330024
INT 33 - MS MOUSE v6.26+ - GET SOFTWARE VERSION, MOUSE TYPE, AND IRQ NUMBER
\tAX = 0024h
Return:\tAX = FFFFh on error
\telse
\t    BH = major version
\t    BL = minor version
\t    CH = type: 01h bus, 02h serial, 03h InPort, 04h PS/2, 05h HP
\t    CL = interrupt: 00h PS/2, 02h IRQ2, 03h IRQ3, ..., 07h IRQ7
SeeAlso: AX=0000h

@@r 34
INT 34 - FLOATING POINT EMULATION - OPCODE D8h
Desc:\tcompilers with floating-point emulation write INT 34h-3Bh in place of
\t  the coprocessor opcodes D8h-DFh; the runtime handler either emulates
\t  the instruction or patches it back into a real coprocessor opcode
Note:\tthe emulator uses INT 3C for instructions with a segment override and
\t  INT 3D for a standalone FWAIT
SeeAlso: INT 3C,INT 3D,INT 07

@@r 3C
INT 3C - FLOATING POINT EMULATION - OPCODE WITH SEGMENT OVERRIDE
Desc:\tthe emulated instruction has a segment override prefix; the next
\t  byte encodes both the opcode and the segment register
SeeAlso: INT 34

@@r 3D
INT 3D - FLOATING POINT EMULATION - STANDALONE FWAIT
Desc:\tthe emulator replaces a WAIT instruction with this call
SeeAlso: INT 34

@@r 3F
INT 3F - OVERLAY MANAGER INTERRUPT
Desc:\tsome linkers emit INT 3Fh calls to load an overlay into memory
\t  before calling a routine in it
Note:\tthe byte after the INT instruction gives the overlay number, and
\t  the next word the offset of the routine in that overlay

@@G 41004F
INT 41 - MS Windows debugging kernel - DEBUGGER INSTALLATION CHECK
\tAX = 004Fh
Return:\tAX = F386h if a system debugger is present
Note:\tthe vector doubles as the pointer to the first hard disk's
\t  parameters on AT class machines, so the check must be done only in
\t  protected mode
SeeAlso: INT 41,INT 03,INT 2F/AX=D600h,INT 2F/AX=1684h/BX=0021h,INT 2F/AX=1600h"Windows"

@@B 41
INT 41 - SYSTEM DATA - HARD DISK 0 PARAMETER TABLE ADDRESS
Desc:\tnot a callable interrupt; the vector points at a 16-byte table that
\t  describes the geometry of the first hard disk
Note:\tthe table holds the cylinder count, head count, precompensation
\t  cylinder, control byte, landing zone and sectors per track
SeeAlso: INT 13/AH=08h,CMOS 12h

@@V 43
INT 43 - VIDEO DATA - CHARACTER TABLE (EGA,MCGA,VGA)
Desc:\tpoints at the font used for graphics modes; the font loading calls of
\t  INT 10/AH=11h update it
SeeAlso: INT 1F,INT 10/AX=1130h

@@B 4A
INT 4A - SYSTEM - USER ALARM HANDLER
Desc:\tthe RTC interrupt handler calls this when the alarm set with
\t  INT 1A/AH=06h goes off
Note:\tthe BIOS default is an IRET
SeeAlso: INT 1A/AH=06h,INT 70

@@m 4B8102
INT 4B - Virtual DMA Services (VDS) - GET VERSION
\tAX = 8102h
\tDX = 0000h
Return:\tCF clear if successful
\t    AH = major version, AL = minor version
\t    BX = product number
\t    CX = product revision
\t    SI:DI = maximum DMA buffer size
\t    DX = flags: bit 0 PC/XT bus, bit 1 physical buffer in first 1 MB,
\t      bit 2 automatic remap, bit 3 all memory physically contiguous
Note:\tcheck bit 5 of 0040h:007Bh before calling; the driver sets it when
\t  it is present
SeeAlso: MEM 0040h:007Bh
"""

INT_5C_FF = """
@@N 5C
INT 5C - NETBIOS INTERFACE
\tES:BX -> network control block (see #04000)
Return:\tAL = status (00h successful, FBh NetBIOS not loaded, FFh the command
\t  is still pending)
Note:\tinstall check: send the invalid command 7Fh and look for return
\t  code 03h (invalid command)

Format of network control block:
Offset\tSize\tDescription\t(Table 04000)
 00h\tBYTE\tcommand code; bit 7 set means "return at once, call the post
\t\t  routine when done"
 01h\tBYTE\treturn code
 02h\tBYTE\tlocal session number
 03h\tBYTE\tnumber of the name
 04h\tDWORD\t-> buffer
 08h\tWORD\tbuffer length
 0Ah 16 BYTEs\tremote name
 1Ah 16 BYTEs\tlocal name
 2Ah\tBYTE\treceive timeout in 500 ms units
 2Bh\tBYTE\tsend timeout in 500 ms units
 2Ch\tDWORD\t-> post routine, 0000h:0000h if none
 30h\tBYTE\tadapter number
 31h\tBYTE\tcommand completion flag
SeeAlso: INT 2A/AH=00h,INT 2F/AX=B800h

@@N 6001
INT 60 - PC/TCP PACKET DRIVER - DRIVER INFORMATION
\tAX = 01FFh
\tBX = handle (only needed for some drivers)
Return:\tCF clear if successful
\t    BX = version
\t    CH = class of interface (01h Ethernet, 06h SLIP, ...)
\t    DX = interface type
\t    CL = number of the interface
\t    DS:SI -> ASCIZ driver name
\t    AL = functionality (01h basic, 02h basic and extended, 05h basic and
\t      high-performance, 06h all)
\tCF set on error: DH = error code
Notes:\tthe driver may live at any vector from 60h to 80h; its presence is
\t  shown by the string "PKT DRVR" three bytes after the handler address
\tthis sample lists only the driver at vector 60h
Range:\tINT 60 to INT 80, found by scanning for the signature
SeeAlso: AH=02h

@@N 6002
INT 60 - PC/TCP PACKET DRIVER - ACCESS PACKET TYPE
\tAH = 02h
\tAL = interface class
\tBX = interface type (FFFFh any)
\tDL = interface number
\tDS:SI -> type template (the packet type to receive)
\tCX = length of the template
\tES:DI -> receiver routine
Return:\tCF clear if successful: AX = handle
\tCF set on error: DH = error code
Note:\tthe receiver is called twice per packet: once with AX = 0000h to ask
\t  for a buffer (returned in ES:DI), once with AX = 0001h when the data
\t  has been copied
SeeAlso: AH=01h,AH=03h

@@m 6740
INT 67 - LIM EMS - GET MANAGER STATUS
\tAH = 40h
Return:\tAH = status: 00h successful, 80h internal error, 81h hardware
\t  malfunction, 84h undefined function
Note:\tbefore calling, check for the device name "EMMXXXX0" at offset 0Ah of
\t  the segment the vector points at
SeeAlso: AH=41h,AH=46h

@@m 6741
INT 67 - LIM EMS - GET PAGE FRAME SEGMENT
\tAH = 41h
Return:\tAH = status (see #03500)
\tBX = segment of the 64K page frame
SeeAlso: AH=58h

(Table 03500)
Values for EMS function status:
 00h\tsuccessful
 80h\tinternal error
 81h\thardware malfunction
 83h\tinvalid handle
 84h\tundefined function requested
 85h\tno more handles available
 87h\tmore pages requested than exist
 88h\tmore pages requested than are free
 89h\tzero pages requested
 8Ah\tlogical page out of range for the handle
 8Bh\tphysical page out of range

@@m 6743
INT 67 - LIM EMS - GET HANDLE AND ALLOCATE MEMORY
\tAH = 43h
\tBX = number of logical pages to allocate
Return:\tAH = status (see #03500)
\tDX = handle if AH = 00h
Note:\tEMS 4.0 also allows zero pages through AH=5Ah
SeeAlso: AH=44h,AH=45h,#03500

@@m 6744
INT 67 - LIM EMS - MAP MEMORY
\tAH = 44h
\tAL = physical page number (0-3)
\tBX = logical page number, or FFFFh to unmap (EMS 4.0)
\tDX = handle
Return:\tAH = status (see #03500)
SeeAlso: AH=43h,AH=50h

@@m 6745
INT 67 - LIM EMS - RELEASE HANDLE AND MEMORY
\tAH = 45h
\tDX = EMM handle
Return:\tAH = status (see #03500), 86h if a saved mapping context is still
\t  held for the handle
Note:\ta program must release its handles before it exits, or the pages
\t  stay lost until the next boot
SeeAlso: AH=43h

@@m 6746
INT 67 - LIM EMS - GET EMM VERSION
\tAH = 46h
Return:\tAH = status (see #03500)
\tAL = version in BCD (32h = 3.2, 40h = 4.0)
SeeAlso: AH=40h

@@m 675700
INT 67 - LIM EMS 4.0 - MOVE MEMORY REGION
\tAX = 5700h
\tDS:SI -> move descriptor: DWORD length, then for source and
\t  destination a type byte (00h conventional, 01h expanded), a WORD
\t  handle, a WORD offset and a WORD segment or logical page
Return:\tAH = status (see #03500)
Note:\tthe move is done even if the regions overlap, and the current
\t  mapping is not changed
SeeAlso: AX=5701h

@@m 67DE00
INT 67 - Virtual Control Program Interface - INSTALLATION CHECK
\tAX = DE00h
Return:\tAH = 00h if VCPI is present
\t    BH = major version (BCD)
\t    BL = minor version (BCD)
\tAH nonzero if not present
Note:\ta DOS extender uses VCPI to get into protected mode when a memory
\t  manager already runs DOS in virtual-8086 mode
SeeAlso: AX=DE0Ch,INT 2F/AX=1687h

@@m 67DE0C
INT 67 - Virtual Control Program Interface - SWITCH FROM V86 MODE TO PROTECTED MODE
\tAX = DE0Ch
\tESI = linear address below 1 MB of the switch data structure: new CR3,
\t  pointers to new GDTR and IDTR values, LDTR, TR and the CS:EIP to jump to
Return:\tin protected mode, with interrupts disabled
SeeAlso: INT 15/AH=89h

@@H 70
INT 70 H - IRQ8 - CMOS REAL-TIME CLOCK
Desc:\tcalled for the periodic interrupt (1024 times per second) while a
\t  wait is in progress and for the alarm
Note:\tthe handler must read CMOS register 0Ch, or the clock raises no
\t  more interrupts
SeeAlso: INT 4A,INT 15/AH=86h,CMOS 0Ch

@@H 71
INT 71 H - IRQ9 - REDIRECTED TO INT 0A BY BIOS
Desc:\tdevices on the old IRQ2 pin of the bus arrive here; the BIOS handler
\t  acknowledges the slave controller and calls INT 0A
SeeAlso: INT 0A

@@H 74
INT 74 H - IRQ12 - POINTING DEVICE (PS)
Desc:\tthe PS/2 mouse port interrupt; the BIOS gathers three bytes and calls
\t  the handler installed with INT 15/AX=C207h
SeeAlso: INT 15/AX=C207h,INT 33/AX=0000h

@@H 75
INT 75 H - IRQ13 - MATH COPROCESSOR EXCEPTION (AT and up)
Desc:\tthe coprocessor error line; the BIOS handler clears the busy latch by
\t  writing to port F0h and calls INT 02 for compatibility with the PC
SeeAlso: INT 02,PORT 00F0h

@@H 76
INT 76 H - IRQ14 - HARD DISK CONTROLLER (AT and later)
Desc:\tthe primary IDE channel interrupt; the BIOS handler sets the flag at
\t  0040h:008Eh, which the INT 13 code waits for
SeeAlso: INT 77,INT 13/AH=02h,PORT 01F0h-01F7h

@@H 77
INT 77 H - IRQ15 - SECONDARY IDE CHANNEL (AT and later)
Desc:\tused by the second IDE channel on most boards; on old machines it was
\t  free
SeeAlso: INT 76

@@N 7ABX0000
INT 7A - Novell NetWare - IPX - OPEN SOCKET
\tBX = 0000h
\tAL = socket longevity: 00h closed at program exit, FFh closed only
\t  on request
\tDX = requested socket number (0000h for a dynamic one), high byte first
Return:\tAL = status: 00h successful, FEh socket table full, FFh socket
\t  already open
\tDX = socket number
Note:\tprotected mode programs use the entry point from INT 2F/AX=7A00h
\t  instead
SeeAlso: INT 7A/BX=0001h,INT 7A/BX=000Ah

@@N 7ABX000A
INT 7A - Novell NetWare - IPX - RELINQUISH CONTROL
\tBX = 000Ah
Return:\tnothing
Note:\tgives the network driver a chance to work; programs that poll for
\t  packets should call it in their loop
SeeAlso: INT 7A/BX=0000h,INT 2F/AX=1680h

@@O 80
INT 80 - Linux - SYSTEM CALL (i386)
\tEAX = system call number (01h exit, 03h read, 04h write, 05h open)
\tEBX, ECX, EDX, ESI, EDI, EBP = arguments one to six
Return:\tEAX = result, or a negative error number in the range -4095..-1
Note:\tthe gate is a trap gate with privilege level 3, so user programs
\t  may call it; 64-bit programs use the SYSCALL instruction instead
SeeAlso: INT 21/AH=4Ch,MSR C0000082h

@@! --Admin
This sample list was put together by the ZELT Viewer team for testing.
Entries marked "made-up" describe programs that never existed; every
other entry states well-known facts in our own words and may still have
mistakes.  Please report them on the project's tracker.

@@* FF
INT FF - SAMPLE LIST - LAST ENTRY
Desc:\tthis entry only closes the sample list; the file ends right after it
\t  without a divider line
Note:\tthe entry before this one holds the admin notes, which have no title
\t  line
SeeAlso: INT 00,INT 10,INT 21,INT 2F,INT 99
"""

# ---------------------------------------------------------------------------
# PORTS.LST
# ---------------------------------------------------------------------------

PORTS = """
@@P P0000000F
PORT 0000-000F - DMA 1 - FIRST DIRECT MEMORY ACCESS CONTROLLER (8237)
0000  R/W  channel 0 address register (write low byte, then high byte)
0001  R/W  channel 0 word count
0002  R/W  channel 1 address
0003  R/W  channel 1 word count
0004  R/W  channel 2 address (diskette)
0005  R/W  channel 2 word count
0008  R    status register
0008  W    command register
000A  W    single mask bit register (see #P0001)
000B  W    mode register
000C  W    clear byte pointer flip-flop
000D  W    master clear

Bitfields for DMA single mask register:
Bit(s)\tDescription\t(Table P0001)
 7-3\tunused
 2\t1 = set mask (channel off), 0 = clear mask
 1-0\tchannel number
SeeAlso: PORT 0081h-008Fh,PORT 00C0h-00DFh,PORT 03F0h-03F7h

@@P P0020
PORT 0020 - PIC 1 - MASTER INTERRUPT CONTROLLER - COMMAND REGISTER
0020  W    initialization command word 1, or OCW2/OCW3
0020  R    interrupt request or in-service register, as chosen by OCW3
Notes:\twriting 20h (generic end of interrupt) here tells the controller
\t  that the current interrupt has been handled
\tthe BIOS maps IRQ0-7 to INT 08-0F
SeeAlso: PORT 0021h,PORT 00A0h,INT 08

@@P P0021
PORT 0021 - PIC 1 - MASTER INTERRUPT CONTROLLER - MASK REGISTER
0021  R/W  interrupt mask register: a set bit disables the IRQ of that number
Note:\tbit 2 must stay clear on AT class machines, since the slave controller
\t  is attached there
SeeAlso: PORT 0020h,PORT 00A1h

@@P P0040
PORT 0040 - PIT - COUNTER 0, SYSTEM TIMER
0040  R/W  counter 0 value; the BIOS loads 0000h, which divides the
\t   1.193182 MHz input by 65536 for 18.2 interrupts per second
SeeAlso: PORT 0043h,INT 08,MEM 0040h:006Ch

@@P P0041
PORT 0041 - PIT - COUNTER 1, RAM REFRESH
0041  R/W  counter 1 value; drives DRAM refresh on PC and XT class machines
Note:\ton later machines bit 4 of port 61h toggles with each refresh cycle,
\t  which some programs use for short delays
SeeAlso: PORT 0061h

@@P P0042
PORT 0042 - PIT - COUNTER 2, SPEAKER
0042  R/W  counter 2 value; its output drives the speaker when bits 0 and 1
\t   of port 61h are set
SeeAlso: PORT 0043h,PORT 0061h

@@P P0043
PORT 0043 - PIT - MODE CONTROL REGISTER
0043  W    control word (see #P0002)

Bitfields for timer control word:
Bit(s)\tDescription\t(Table P0002)
 7-6\tcounter select (00 = 0, 01 = 1, 10 = 2, 11 = read-back command)
 5-4\taccess: 00 latch count, 01 low byte, 10 high byte, 11 low then high
 3-1\tmode: 000 interrupt on terminal count, 010 rate generator,
\t  011 square wave
 0\tcount in BCD if set
SeeAlso: PORT 0040h,PORT 0042h

@@P P0060
PORT 0060 - KEYBOARD CONTROLLER 804x (8041, 8042) - DATA PORT
0060  R    keyboard output buffer: scan code or reply byte
0060  W    keyboard input buffer: command to the keyboard itself, or a
\t   parameter for a controller command written to port 64h
Note:\tread port 64h first and check bit 0 (output full) before reading,
\t  and bit 1 (input full) before writing
SeeAlso: PORT 0064h,INT 09,INT 16/AH=00h,#P0003

@@P P0061
PORT 0061 - KB controller port B (ISA, EISA) - SYSTEM CONTROL PORT
0061  R/W  (see #P0003)

Bitfields for system control port B:
Bit(s)\tDescription\t(Table P0003)
 7\t(R) parity error on the system board
 6\t(R) I/O channel check
 5\t(R) timer 2 output
 4\t(R) toggles with each refresh request
 3\tI/O channel check disable
 2\tparity check disable
 1\tspeaker data enable
 0\ttimer 2 gate to speaker enable
SeeAlso: PORT 0042h,INT 02

@@P P0064
PORT 0064 - KEYBOARD CONTROLLER 804x - STATUS AND COMMAND
0064  R    status register: bit 0 output buffer full, bit 1 input buffer
\t   full, bit 2 system flag, bit 3 last write was a command
0064  W    controller command (see #P0004)

(Table P0004)
Values for keyboard controller commands:
 20h\tread command byte
 60h\twrite command byte
 A7h\tdisable the mouse port
 A8h\tenable the mouse port
 ADh\tdisable the keyboard
 AEh\tenable the keyboard
 D1h\twrite output port (bit 1 controls the A20 line)
 FEh\tpulse the reset line (reboots the machine)
SeeAlso: PORT 0060h,PORT 0092h

@@d P0070
PORT 0070 - CMOS RAM/RTC - INDEX REGISTER
0070  W    bits 6-0 select the CMOS register to access through port 71h;
\t   bit 7 set disables the NMI
Note:\talways write port 70h right before accessing port 71h, because a
\t  pending index may be lost otherwise
SeeAlso: PORT 0071h,CMOS 00h,CMOS 0Fh

@@d P0071
PORT 0071 - CMOS RAM/RTC - DATA REGISTER
0071  R/W  contents of the register selected through port 70h
SeeAlso: PORT 0070h

@@P P0080
PORT 0080 - MANUFACTURING DIAGNOSTICS PORT
0080  W    the BIOS writes a progress code here during POST; diagnostic
\t   cards show the last value on a two-digit display
Note:\twriting to this port is also a common way to wait about one
\t  microsecond
SeeAlso: PORT 0092h

@@P P0081008F
PORT 0081-008F - DMA PAGE REGISTERS
0081  R/W  channel 2 page (address bits 23-16)
0082  R/W  channel 3 page
0083  R/W  channel 1 page
0087  R/W  channel 0 page
0089  R/W  channel 6 page
008A  R/W  channel 7 page
008B  R/W  channel 5 page
SeeAlso: PORT 0000h-000Fh

@@P P0092
PORT 0092 - PS/2 SYSTEM CONTROL PORT A ("FAST A20")
0092  R/W  bit 1 enables the A20 line, bit 0 writing 1 resets the CPU
Note:\tread-modify-write this port: some machines hang if other bits change
SeeAlso: PORT 0064h,INT 15/AX=2401h

@@P P00A0
PORT 00A0 - PIC 2 - SLAVE INTERRUPT CONTROLLER - COMMAND REGISTER
00A0  R/W  as port 20h, for IRQ8-15
Note:\tan IRQ on the slave needs an end of interrupt on both controllers
SeeAlso: PORT 0020h,PORT 00A1h,INT 70

@@P P00A1
PORT 00A1 - PIC 2 - SLAVE INTERRUPT CONTROLLER - MASK REGISTER
00A1  R/W  interrupt mask for IRQ8-15
SeeAlso: PORT 0021h,PORT 00A0h

@@P P00C000DF
PORT 00C0-00DF - DMA 2 - SECOND DIRECT MEMORY ACCESS CONTROLLER
Desc:\tthe 16-bit channels 4-7; the registers sit at even addresses only
SeeAlso: PORT 0000h-000Fh

@@P P00F0
PORT 00F0 - MATH COPROCESSOR - CLEAR BUSY LATCH
00F0  W    writing 00h clears the busy latch after a coprocessor error
SeeAlso: INT 75

@@d P01F001F7
PORT 01F0-01F7 - HDC 1 (1st Fixed Disk Controller) - IDE/ATA
01F0  R/W  data register (16 bits)
01F1  R    error register
01F2  R/W  sector count
01F3  R/W  sector number or LBA bits 7-0
01F4  R/W  cylinder low or LBA bits 15-8
01F5  R/W  cylinder high or LBA bits 23-16
01F6  R/W  drive/head: bit 4 selects the slave, bit 6 LBA mode
01F7  R    status: bit 7 busy, bit 6 ready, bit 3 data request, bit 0 error
01F7  W    command: 20h read sectors, 30h write sectors, ECh identify
SeeAlso: PORT 0170h-0177h,INT 76

@@d P01700177
PORT 0170-0177 - HDC 2 (2nd Fixed Disk Controller) - IDE/ATA
Desc:\tsame layout as ports 01F0h-01F7h, for the secondary channel
SeeAlso: PORT 01F0h-01F7h,INT 77

@@s P0220022F
PORT 0220-022F - SOUND CARD - COMMON DEFAULT BASE
0226  W    DSP reset: write 1, wait, write 0; the DSP answers AAh
022A  R    DSP read data
022C  W    DSP write command or data
022E  R    DSP data available (bit 7)
SeeAlso: PORT 0388h

@@S P02F802FF
PORT 02F8-02FF - SERIAL-2 (COM2)
Desc:\tthe second 8250/16550 UART; registers as for COM1
SeeAlso: PORT 03F8h-03FFh,INT 0B

@@P P0378037A
PORT 0378-037A - PARALLEL PRINTER PORT
0378  R/W  data port
0379  R    status: bit 7 not busy, bit 6 acknowledge, bit 5 paper out,
\t   bit 4 selected, bit 3 no error
037A  R/W  control: bit 0 strobe, bit 1 auto line feed, bit 2 not
\t   initialize, bit 3 select, bit 4 IRQ enable
SeeAlso: INT 17/AH=00h,INT 0F

@@s P0388
PORT 0388 - ADLIB - FM SOUND - ADDRESS/STATUS REGISTER
0388  W    register index
0388  R    status (timers)
0389  W    data for the selected register
SeeAlso: PORT 0220h-022Fh

@@V P03C003CF
PORT 03C0-03CF - EGA/VGA - ATTRIBUTE, SEQUENCER, DAC AND GRAPHICS REGISTERS
03C0  W    attribute controller index and data (alternating)
03C4  R/W  sequencer index
03C5  R/W  sequencer data
03C7  W    DAC read index
03C8  R/W  DAC write index
03C9  R/W  DAC data: three reads or writes per entry (red, green, blue)
03CE  R/W  graphics controller index
03CF  R/W  graphics controller data
SeeAlso: PORT 03D4h,INT 10/AX=1010h

@@V P03D4
PORT 03D4 - CRT CONTROLLER INDEX (COLOR)
03D4  W    selects the CRTC register accessed at port 03D5h
Note:\tregisters 0Eh and 0Fh hold the hardware cursor position
SeeAlso: PORT 03D5h,PORT 03DAh

@@V P03D5
PORT 03D5 - CRT CONTROLLER DATA (COLOR)
03D5  R/W  contents of the selected CRTC register
SeeAlso: PORT 03D4h

@@V P03DA
PORT 03DA - COLOR VIDEO STATUS REGISTER
03DA  R    bit 3 set during vertical retrace, bit 0 set while the display is
\t   not active
Note:\treading this port also resets the attribute controller flip-flop
SeeAlso: PORT 03C0h-03CFh

@@d P03F003F7
PORT 03F0-03F7 - FDC 1 (1st Floppy Disk Controller)
03F2  W    digital output register: bits 1-0 drive select, bit 2 not reset,
\t   bit 3 DMA and IRQ enable, bits 7-4 motor on for drives 3-0
03F4  R    main status register
03F5  R/W  data (command) register
03F7  R    digital input register: bit 7 disk change
03F7  W    configuration control register: data rate
SeeAlso: INT 13/AH=00h,INT 0E"IRQ6",PORT 0000h-000Fh

@@S P03F803FF
PORT 03F8-03FF - SERIAL-1 (COM1)
03F8  W    transmit holding register (bit 7 of 03FBh clear)
03F8  R    receive buffer register (bit 7 of 03FBh clear)
03F8  R/W  divisor latch low byte (bit 7 of 03FBh set)
03F9  R/W  interrupt enable register, or divisor latch high byte
03FA  R    interrupt identification register
03FA  W    FIFO control register (16550 and later)
03FB  R/W  line control register
03FC  R/W  modem control register: bit 3 OUT2 must be set for interrupts
03FD  R    line status register
03FE  R    modem status register
03FF  R/W  scratch register
Note:\tthe divisor for a given rate is 115200 divided by the rate
SeeAlso: PORT 02F8h-02FFh,INT 14/AH=00h,INT 0C

@@X P0CF8
PORT 0CF8 - PCI CONFIGURATION MECHANISM 1 - CONFIGURATION ADDRESS REGISTER
0CF8  R/W  (32 bits) bit 31 enable, bits 23-16 bus, bits 15-11 device,
\t   bits 10-8 function, bits 7-2 register
SeeAlso: PORT 0CFCh,INT 1A/AX=B101h

@@X P0CFC
PORT 0CFC - PCI CONFIGURATION MECHANISM 1 - CONFIGURATION DATA REGISTER
0CFC  R/W  data of the register selected through port 0CF8h; byte and word
\t   accesses use 0CFDh-0CFFh for the upper parts
SeeAlso: PORT 0CF8h,PORT 0CF9h
"""
# ---------------------------------------------------------------------------
# MEMORY.LST
# ---------------------------------------------------------------------------

MEMORY = """
@@B M00000000
MEM 0000h:0000h - INTERRUPT VECTOR TABLE
Size:\t1024 BYTEs
Desc:\t256 far pointers (offset first, then segment), one per interrupt
Note:\tthe 80286 and later can move the table with LIDT, but DOS never does
SeeAlso: MEM 0040h:0000h,INT 21/AH=25h

@@B M00300000
MEM 0030h:0000h - BIOS STACK AREA
Size:\t256 BYTEs
Desc:\tthe BIOS uses the top of this area as its stack during POST; the
\t  same bytes are also the vectors of INT C0-FF
SeeAlso: MEM 0000h:0000h

@@B M00400000
MEM 0040h:0000h - BASE I/O ADDRESSES OF THE SERIAL PORTS
Size:\t4 WORDs
Desc:\tI/O addresses of COM1-COM4 found by the BIOS, 0000h for missing ports
SeeAlso: MEM 0040h:0008h,PORT 03F8h

@@B M00400008
MEM 0040h:0008h - BASE I/O ADDRESSES OF THE PARALLEL PORTS
Size:\t3 WORDs
Desc:\tI/O addresses of LPT1-LPT3
Note:\ton PS/2 machines the fourth word holds the segment of the extended
\t  BIOS data area instead of LPT4
SeeAlso: MEM 0040h:000Eh,MEM 0040h:0000h

@@B M0040000E
MEM 0040h:000Eh - SEGMENT OF EXTENDED BIOS DATA AREA (PS/2 and later)
Size:\tWORD
SeeAlso: INT 15/AH=C1h,MEM 0040h:0013h

@@B M00400010
MEM 0040h:0010h - INSTALLED HARDWARE
Size:\tWORD
Desc:\tthe equipment list word that INT 11 returns
SeeAlso: INT 11,CMOS 14h

@@B M00400013
MEM 0040h:0013h - BASE MEMORY SIZE IN KBYTES
Size:\tWORD
Desc:\tthe value INT 12 returns; lowering it hides memory from DOS
SeeAlso: INT 12,MEM 0040h:000Eh

@@B M00400017
MEM 0040h:0017h - KEYBOARD STATUS FLAGS 1
Size:\tBYTE
Desc:\tthe shift state that INT 16/AH=02h returns (see #M0010)

Bitfields for keyboard status flags 1:
Bit(s)\tDescription\t(Table M0010)
 7\tInsert active
 6\tCapsLock active
 5\tNumLock active
 4\tScrollLock active
 3\teither Alt pressed
 2\teither Ctrl pressed
 1\tleft Shift pressed
 0\tright Shift pressed
Note:\tchanging the lock bits takes effect on screen only when the LED
\t  state is next updated
SeeAlso: MEM 0040h:0018h,INT 16/AH=02h

@@B M00400018
MEM 0040h:0018h - KEYBOARD STATUS FLAGS 2
Size:\tBYTE
Desc:\tbit 7 Insert key down, 6 CapsLock down, 5 NumLock down, 4 ScrollLock
\t  down, 3 Pause active, 2 SysReq down, 1 left Alt down, 0 left Ctrl down
SeeAlso: MEM 0040h:0017h,MEM 0040h:0096h

@@B M0040001A
MEM 0040h:001Ah - KEYBOARD BUFFER HEAD POINTER
Size:\tWORD
Desc:\toffset from segment 0040h of the next key to be read
Note:\tthe buffer is empty when head equals tail
SeeAlso: MEM 0040h:001Ch,MEM 0040h:001Eh

@@B M0040001C
MEM 0040h:001Ch - KEYBOARD BUFFER TAIL POINTER
Size:\tWORD
Desc:\toffset from segment 0040h where the next key will be stored
SeeAlso: MEM 0040h:001Ah

@@B M0040001E
MEM 0040h:001Eh - DEFAULT KEYBOARD CIRCULAR BUFFER
Size:\t16 WORDs
Desc:\tscan code and character of up to 15 keys
Note:\tAT and later BIOSes allow the buffer to be moved; see 0040h:0080h
SeeAlso: MEM 0040h:0080h,MEM 0040h:001Ah

@@B M0040003E
MEM 0040h:003Eh - DISKETTE RECALIBRATE STATUS
Size:\tBYTE
Desc:\tbits 3-0 drive needs recalibration, bit 7 set by the IRQ6 handler
SeeAlso: INT 0E,MEM 0040h:003Fh

@@B M0040003F
MEM 0040h:003Fh - DISKETTE MOTOR STATUS
Size:\tBYTE
Desc:\tbits 3-0 motor on for drives 3-0, bit 7 current operation is a write
SeeAlso: MEM 0040h:0040h

@@B M00400040
MEM 0040h:0040h - DISKETTE MOTOR TURN-OFF TIMEOUT COUNT
Size:\tBYTE
Desc:\tcounted down by the timer interrupt; the motor stops at zero
SeeAlso: INT 08

@@V M00400049
MEM 0040h:0049h - VIDEO - CURRENT VIDEO MODE
Size:\tBYTE
SeeAlso: INT 10/AH=00h,MEM 0040h:004Ah

@@V M0040004A
MEM 0040h:004Ah - VIDEO - COLUMNS ON SCREEN
Size:\tWORD
SeeAlso: MEM 0040h:0084h

@@V M0040004C
MEM 0040h:004Ch - VIDEO - PAGE (REGEN BUFFER) SIZE IN BYTES
Size:\tWORD
SeeAlso: MEM 0040h:004Eh

@@V M0040004E
MEM 0040h:004Eh - VIDEO - CURRENT PAGE START ADDRESS IN REGEN BUFFER
Size:\tWORD
SeeAlso: MEM 0040h:0062h

@@V M00400050
MEM 0040h:0050h - VIDEO - CURSOR POSITIONS
Size:\t8 WORDs
Desc:\tcolumn (low byte) and row (high byte) for pages 0-7
SeeAlso: INT 10/AH=02h

@@V M00400060
MEM 0040h:0060h - VIDEO - CURSOR TYPE
Size:\tWORD
Desc:\tend scan line in the low byte, start scan line in the high byte
SeeAlso: INT 10/AH=01h

@@V M00400062
MEM 0040h:0062h - VIDEO - CURRENT PAGE NUMBER
Size:\tBYTE
SeeAlso: MEM 0040h:004Eh

@@V M00400063
MEM 0040h:0063h - VIDEO - CRT CONTROLLER BASE I/O PORT ADDRESS
Size:\tWORD
Desc:\t03B4h for monochrome, 03D4h for color adapters
SeeAlso: PORT 03D4h

@@B M0040006C
MEM 0040h:006Ch - TIMER TICKS SINCE MIDNIGHT
Size:\tDWORD
Desc:\tincremented by the IRQ0 handler, reset at 1800B0h
SeeAlso: MEM 0040h:0070h,INT 1A/AH=00h

@@B M00400070
MEM 0040h:0070h - TIMER OVERFLOW (MIDNIGHT) FLAG
Size:\tBYTE
Desc:\tnonzero if midnight passed since the time was last read
SeeAlso: MEM 0040h:006Ch

@@B M00400072
MEM 0040h:0072h - POST RESET FLAG
Size:\tWORD
Desc:\t1234h on a warm boot (Ctrl-Alt-Del): the memory test is skipped
Note:\t4321h preserves memory on some PS/2 models, 64h marks a
\t  manufacturing test
SeeAlso: INT 19,@F000h:FFF0h

@@B M00400075
MEM 0040h:0075h - NUMBER OF FIXED DISK DRIVES
Size:\tBYTE
SeeAlso: INT 13/AH=08h

@@B M00400080
MEM 0040h:0080h - KEYBOARD BUFFER START OFFSET
Size:\tWORD
Desc:\toffset from 0040h of the start of the keyboard buffer, normally 001Eh
SeeAlso: MEM 0040h:0082h,MEM 0040h:001Eh

@@B M00400082
MEM 0040h:0082h - KEYBOARD BUFFER END+1 OFFSET
Size:\tWORD
SeeAlso: MEM 0040h:0080h

@@V M00400084
MEM 0040h:0084h - VIDEO - ROWS ON SCREEN MINUS ONE (EGA+)
Size:\tBYTE
SeeAlso: MEM 0040h:004Ah

@@B M00400096
MEM 0040h:0096h - KEYBOARD STATUS BYTE 3
Size:\tBYTE
Desc:\tbit 4 set if an enhanced (101/102-key) keyboard is installed
SeeAlso: MEM 0040h:0018h

@@D M00500000
MEM 0050h:0000h - PRINT SCREEN STATUS
Size:\tBYTE
Desc:\t00h idle, 01h dump in progress, FFh error during the last dump
SeeAlso: INT 05

@@V M000A0000
MEM 000A0000h - EGA+ GRAPHICS BUFFER
Size:\t65536 BYTEs
SeeAlso: MEM 000B8000h

@@V M000B0000
MEM 000B0000h - MONOCHROME TEXT BUFFER
Size:\t4000 BYTEs on the original adapter
SeeAlso: MEM 000B8000h

@@V M000B8000
MEM 000B8000h - COLOR TEXT AND CGA GRAPHICS BUFFER
Size:\t16384 BYTEs on the CGA, 32768 on later adapters
Desc:\teach character cell is a character byte followed by an attribute byte
SeeAlso: MEM 000B0000h,MEM 000A0000h

@@V M000C0000
MEM 000C0000h - VIDEO ADAPTER ROM
Desc:\tstarts with 55h AAh, followed by the ROM size in 512-byte units and an
\t  entry point that the BIOS calls during POST
SeeAlso: @C000h:0003h

@@B M000F0000
MEM 000F0000h - SYSTEM ROM
Size:\t65536 BYTEs
Desc:\tthe main BIOS; older machines also held ROM BASIC below it
SeeAlso: MEM F000h:FFF5h,MEM F000h:FFFEh

@@B MF000FFF5
MEM F000h:FFF5h - ASCII BIOS DATE
Size:\t8 BYTEs
Desc:\tthe release date of the BIOS as "MM/DD/YY"
SeeAlso: MEM F000h:FFFEh,MEM 000F0000h

@@B MF000FFFE
MEM F000h:FFFEh - MACHINE ID
Size:\tBYTE
Desc:\tFFh original PC, FEh XT, FDh PCjr, FCh AT and many later machines,
\t  FBh XT with 640K board, FAh PS/2 model 30, F8h PS/2 models 55 and up
SeeAlso: INT 15/AH=C0h,MEM F000h:FFF5h
"""

# ---------------------------------------------------------------------------
# CMOS.LST
# ---------------------------------------------------------------------------

CMOS = """
@@R R00
CMOS 00h - RTC - SECONDS
Desc:\tseconds, BCD 00-59 or binary 00h-3Bh, as chosen by bit 2 of
\t  register 0Bh
SeeAlso: CMOS 01h,CMOS 02h,CMOS 0Bh

@@R R01
CMOS 01h - RTC - SECONDS ALARM
Desc:\tthe alarm fires when seconds match; C0h-FFh match every value
SeeAlso: CMOS 00h,INT 1A/AH=06h

@@R R02
CMOS 02h - RTC - MINUTES
SeeAlso: CMOS 00h,CMOS 03h

@@R R03
CMOS 03h - RTC - MINUTES ALARM
SeeAlso: CMOS 01h

@@R R04
CMOS 04h - RTC - HOURS
Desc:\thours in 24-hour or 12-hour format; in 12-hour format bit 7 marks PM
SeeAlso: CMOS 05h,CMOS 0Bh

@@R R05
CMOS 05h - RTC - HOURS ALARM
SeeAlso: CMOS 04h

@@R R06
CMOS 06h - RTC - DAY OF WEEK
Desc:\t01h = Sunday; many BIOSes never set it
SeeAlso: CMOS 07h

@@R R07
CMOS 07h - RTC - DATE OF MONTH
SeeAlso: CMOS 08h,CMOS 09h

@@R R08
CMOS 08h - RTC - MONTH
SeeAlso: CMOS 07h

@@R R09
CMOS 09h - RTC - YEAR
Desc:\ttwo digits only; the century is kept in register 32h
SeeAlso: CMOS 32h

@@R R0A
CMOS 0Ah - RTC - STATUS REGISTER A
Bitfields for status register A:
Bit(s)\tDescription\t(Table C001)
 7\t(read-only) update in progress; do not read the time while set
 6-4\ttime base divider (010 = 32.768 kHz)
 3-0\trate selection for the periodic interrupt (0110 = 1024 Hz)
SeeAlso: CMOS 0Bh

@@R R0B
CMOS 0Bh - RTC - STATUS REGISTER B
Bitfields for status register B:
Bit(s)\tDescription\t(Table C002)
 7\tstop updates while the clock is set
 6\tperiodic interrupt enable
 5\talarm interrupt enable
 4\tupdate-ended interrupt enable
 3\tsquare wave output enable
 2\tbinary mode (clear for BCD)
 1\t24-hour mode
 0\tdaylight savings enable
SeeAlso: CMOS 0Ah,CMOS 0Ch

@@R R0C
CMOS 0Ch - RTC - STATUS REGISTER C (read-only)
Desc:\tbit 7 interrupt request, 6 periodic, 5 alarm, 4 update ended
Note:\treading this register acknowledges the interrupt
SeeAlso: CMOS 0Bh,INT 70

@@R R0D
CMOS 0Dh - RTC - STATUS REGISTER D (read-only)
Desc:\tbit 7 set while the battery is good
SeeAlso: CMOS 0Eh

@@x R0E
CMOS 0Eh - IBM - DIAGNOSTIC STATUS BYTE
Desc:\tbit 7 clock lost power, 6 bad checksum, 5 configuration mismatch,
\t  4 memory size mismatch, 3 fixed disk failed, 2 time invalid
SeeAlso: CMOS 0Dh

@@x R0F
CMOS 0Fh - IBM - RESET CODE (IBM PS/2 "Shutdown Status")
Desc:\ttells POST why the processor was reset
(Table C003)
Values for reset code:
 00h\tsoftware reset or unexpected reset
 04h\tjump to bootstrap code
 05h\tflush keyboard buffer, send EOI, then far jump to [0040h:0067h]
 09h\treturn from INT 15/AH=87h block move
 0Ah\tfar jump to [0040h:0067h] without EOI
SeeAlso: MEM 0040h:0072h,INT 15/AH=87h

@@x R10
CMOS 10h - IBM - FLOPPY DRIVE TYPES
Desc:\tbits 7-4 first drive, bits 3-0 second drive (see #C004)
(Table C004)
Values for floppy drive type:
 00h\tno drive
 01h\t360K 5.25 inch
 02h\t1.2M 5.25 inch
 03h\t720K 3.5 inch
 04h\t1.44M 3.5 inch
 05h\t2.88M 3.5 inch
SeeAlso: CMOS 14h,INT 13/AH=08h

@@x R12
CMOS 12h - IBM - HARD DISK DATA
Desc:\tbits 7-4 type of the first hard disk, bits 3-0 type of the second;
\t  0Fh means the type is in register 19h or 1Ah
SeeAlso: CMOS 10h,INT 41

@@x R14
CMOS 14h - IBM - EQUIPMENT BYTE
Desc:\tbits 7-6 number of floppy drives - 1, bits 5-4 primary display,
\t  bit 1 coprocessor installed, bit 0 floppy drives present
SeeAlso: INT 11,CMOS 10h

@@x R15
CMOS 15h - IBM - BASE MEMORY IN 1K, LOW BYTE
SeeAlso: CMOS 16h

@@x R16
CMOS 16h - IBM - BASE MEMORY IN 1K, HIGH BYTE
Desc:\tthe value is 0280h (640K) on nearly every AT class machine
SeeAlso: CMOS 15h,INT 12

@@x R17
CMOS 17h - IBM - EXTENDED MEMORY IN 1K, LOW BYTE
SeeAlso: CMOS 18h,CMOS 30h

@@x R18
CMOS 18h - IBM - EXTENDED MEMORY IN 1K, HIGH BYTE
SeeAlso: CMOS 17h

@@x R2E
CMOS 2Eh - IBM - STANDARD CMOS CHECKSUM, HIGH BYTE
Desc:\tsum of registers 10h-2Dh
SeeAlso: CMOS 2Fh

@@x R2F
CMOS 2Fh - IBM - STANDARD CMOS CHECKSUM, LOW BYTE
SeeAlso: CMOS 2Eh

@@x R30
CMOS 30h - IBM - EXTENDED MEMORY FOUND BY POST, LOW BYTE
Desc:\twith register 31h, the amount of memory above 1M that POST counted;
\t  INT 15/AH=88h reports this value
SeeAlso: CMOS 31h,INT 15/AH=88h

@@x R31
CMOS 31h - IBM - EXTENDED MEMORY FOUND BY POST, HIGH BYTE
SeeAlso: CMOS 30h

@@x R32
CMOS 32h - IBM - CENTURY BYTE (BCD)
Desc:\tthe century, 19h or 20h; some machines keep it in register 37h instead
SeeAlso: CMOS 09h,INT 1A/AH=04h

@@h R40
CMOS 40h - VANTREL BOARD - SPARE BYTES USED BY NVSTORE
Desc:\ta made-up layout for this sample: 16 bytes of named settings kept by
\t  the NVSTORE utility
SeeAlso: CMOS 32h,CMOS 7Fh
"""

# ---------------------------------------------------------------------------
# FARCALL.LST
# ---------------------------------------------------------------------------

FARCALL = """
@@B @F000FFF0
CALL F000h:FFF0h - POWER-ON ENTRY POINT
Desc:\tthe processor starts here after a reset (physical address FFFF0h on
\t  the 8086, just below 4 GB on later processors until the first far
\t  jump); the code is a far jump to the POST routine
Note:\ta warm boot jumps here after storing 1234h at 0040h:0072h
SeeAlso: @F000h:E05Bh,MEM 0040h:0072h

@@B @F000E05B
CALL F000h:E05Bh - POST ENTRY POINT (IBM-compatible BIOS)
Desc:\tthe power-on self test starts here on BIOSes that keep the original
\t  IBM entry addresses
SeeAlso: @F000h:FFF0h

@@B @F000E2C3
CALL F000h:E2C3h - NMI HANDLER ENTRY POINT
Desc:\tfixed address of the BIOS NMI handler, kept for compatibility
SeeAlso: @F000h:FEA5h

@@B @F000E3FE
CALL F000h:E3FEh - INT 13 FIXED DISK SERVICES ENTRY POINT
Desc:\tthe hard disk code of an IBM-compatible BIOS starts here
SeeAlso: @F000h:EC59h

@@B @F000E6F2
CALL F000h:E6F2h - INT 19 ENTRY POINT
Desc:\tbootstrap loader entry; some old programs jump here directly to
\t  reboot without a memory test
SeeAlso: @F000h:FFF0h

@@B @F000E739
CALL F000h:E739h - INT 14 ENTRY POINT
SeeAlso: @F000h:E82Eh

@@B @F000E82E
CALL F000h:E82Eh - INT 16 ENTRY POINT
SeeAlso: @F000h:E987h

@@B @F000E987
CALL F000h:E987h - INT 09 ENTRY POINT
Desc:\tkeyboard interrupt handler
SeeAlso: @F000h:E82Eh

@@B @F000EC59
CALL F000h:EC59h - INT 13 DISKETTE ENTRY POINT
SeeAlso: @F000h:E3FEh,@F000h:EF57h

@@B @F000EF57
CALL F000h:EF57h - INT 0E ENTRY POINT
Desc:\tdiskette controller interrupt handler
SeeAlso: @F000h:EC59h

@@B @F000EFD2
CALL F000h:EFD2h - INT 17 ENTRY POINT
SeeAlso: @F000h:E739h

@@B @F000F065
CALL F000h:F065h - INT 10 VIDEO ENTRY POINT
Desc:\tthe video code of the system BIOS; an adapter with its own ROM
\t  replaces the INT 10 vector during POST
SeeAlso: @C000h:0003h

@@B @F000F841
CALL F000h:F841h - INT 12 ENTRY POINT
SeeAlso: @F000h:F84Dh

@@B @F000F84D
CALL F000h:F84Dh - INT 11 ENTRY POINT
SeeAlso: @F000h:F841h

@@B @F000FE6E
CALL F000h:FE6Eh - INT 1A ENTRY POINT
SeeAlso: @F000h:FEA5h

@@B @F000FEA5
CALL F000h:FEA5h - INT 08 ENTRY POINT
Desc:\ttimer tick handler
SeeAlso: @F000h:FE6Eh

@@B @F000FF53
CALL F000h:FF53h - DUMMY INTERRUPT HANDLER
Desc:\ta lone IRET that unused vectors point at
SeeAlso: @F000h:E2C3h

@@V @C0000003
CALL C000h:0003h - VIDEO ROM INITIALIZATION ENTRY POINT
Desc:\tPOST calls offset 3 of each option ROM it finds; the video ROM sets up
\t  the adapter and hooks INT 10
Note:\tthe ROM begins with the bytes 55h AAh and a length byte
SeeAlso: @C800h:0003h,MEM 000C0000h

@@d @C8000003
CALL C800h:0003h - DISK CONTROLLER ROM INITIALIZATION ENTRY POINT
Desc:\tthe usual place of a hard disk controller ROM on XT class machines;
\t  it hooks INT 13 and moves the old diskette handler to INT 40
SeeAlso: @C000h:0003h

@@m @FFFF0010
CALL FFFFh:0010h - START OF HIGH MEMORY AREA
Desc:\tnot a call target, but a frequent jump address for code loaded into
\t  the HMA once the A20 line is on
SeeAlso: @F000h:FFF0h
"""
# ---------------------------------------------------------------------------
# MSR.LST
# ---------------------------------------------------------------------------

MSR = """
@@C S00000010
MSR 00000010h - Pentium+ - TIME STAMP COUNTER
Size:\t64 bits
Desc:\tcounts processor clock cycles (or a constant rate on newer parts)
\t  since reset; RDTSC reads it
Note:\twriting it resets the count on all processors that allow it
SeeAlso: MSR 0000001Bh,OPCODE 0F31h

@@C S0000001B
MSR 0000001Bh - P6+ - APIC BASE ADDRESS
Bitfields for APIC base MSR:
Bit(s)\tDescription\t(Table R0001)
 8\tthis processor is the bootstrap processor
 10\tx2APIC mode enabled (newer processors)
 11\tAPIC global enable
 35-12\tphysical base address of the APIC registers (default FEE00000h)
SeeAlso: MSR 0000003Ah,MSR 00000010h

@@C S0000003A
MSR 0000003Ah - Intel - FEATURE CONTROL
Desc:\tbit 0 lock, bit 1 VMX inside SMX, bit 2 VMX outside SMX
Note:\tonce the lock bit is set the register cannot change until reset
SeeAlso: MSR 0000001B

@@C S0000008B
MSR 0000008Bh - P6+ - BIOS SIGNATURE ID (MICROCODE REVISION)
Desc:\tafter writing 0, executing CPUID with EAX=1 and reading this MSR, the
\t  high 32 bits hold the revision of the loaded microcode
SeeAlso: MSR 00000079h,OPCODE 0FA2h

@@C S000000FE
MSR 000000FEh - P6+ - MTRR CAPABILITIES
Desc:\tbits 7-0 number of variable ranges, bit 8 fixed ranges supported,
\t  bit 10 write-combining supported
SeeAlso: MSR 00000200h,MSR 000002FFh

@@C S00000174
MSR 00000174h - P6+ - SYSENTER CS
Desc:\tthe code segment selector loaded by SYSENTER; SS is this plus 8
SeeAlso: MSR 00000175h,MSR 00000176h,OPCODE 0F34h

@@C S00000175
MSR 00000175h - P6+ - SYSENTER ESP
SeeAlso: MSR 00000174h

@@C S00000176
MSR 00000176h - P6+ - SYSENTER EIP
SeeAlso: MSR 00000174h

@@C S00000179
MSR 00000179h - P6+ - MACHINE CHECK GLOBAL CAPABILITIES
Desc:\tbits 7-0 number of error reporting banks, bit 8 global control MSR
\t  present
SeeAlso: MSR 0000017Ah,MSR 00000400h

@@C S0000017A
MSR 0000017Ah - P6+ - MACHINE CHECK GLOBAL STATUS
Desc:\tbit 0 restart IP valid, bit 1 error IP valid, bit 2 machine check in
\t  progress
SeeAlso: MSR 00000179h

@@h S00000198
MSR 00000198h - Intel - PERFORMANCE STATUS
Desc:\tthe current frequency and voltage setting (P-state)
SeeAlso: MSR 00000199h

@@h S00000199
MSR 00000199h - Intel - PERFORMANCE CONTROL
Desc:\twriting a target P-state here changes the processor speed
SeeAlso: MSR 00000198h,MSR 000001A0h

@@h S000001A0
MSR 000001A0h - Intel - MISCELLANEOUS ENABLES
Desc:\tbit 0 fast strings, bit 3 automatic thermal control, bit 16
\t  enhanced SpeedStep, bit 22 limit CPUID maximum value
SeeAlso: MSR 00000199h

@@C S000001D9
MSR 000001D9h - P6+ - DEBUG CONTROL
Desc:\tbit 0 last branch record, bit 1 single step on branches
SeeAlso: OPCODE F1h

@@C S00000200
MSR 00000200h - P6+ - VARIABLE RANGE MTRR 0 BASE
Desc:\tbits 7-0 memory type (00h uncached, 01h write combining, 04h write
\t  through, 05h write protected, 06h write back), bits 35-12 base
SeeAlso: MSR 00000201h,MSR 000000FEh

@@C S00000201
MSR 00000201h - P6+ - VARIABLE RANGE MTRR 0 MASK
Desc:\tbit 11 range valid, bits 35-12 address mask
SeeAlso: MSR 00000200h

@@C S00000250
MSR 00000250h - P6+ - FIXED RANGE MTRR FOR 00000h-7FFFFh
Desc:\teight memory type bytes, one for each 64K block
SeeAlso: MSR 000002FFh

@@C S00000277
MSR 00000277h - Pentium III+ - PAGE ATTRIBUTE TABLE
Desc:\teight memory type bytes selected by the PAT, PCD and PWT bits of page
\t  table entries
SeeAlso: MSR 00000200h

@@C S000002FF
MSR 000002FFh - P6+ - DEFAULT MEMORY TYPE
Desc:\tbits 7-0 type for memory not covered by any range, bit 10 fixed
\t  ranges enabled, bit 11 MTRRs enabled
SeeAlso: MSR 000000FEh,MSR 00000250h

@@C S00000400
MSR 00000400h - P6+ - MACHINE CHECK BANK 0 CONTROL
Desc:\tone enable bit per error type of bank 0; banks follow every 4 MSRs
SeeAlso: MSR 00000401h,MSR 00000179h

@@C SC0000080
MSR C0000080h - AMD64/EM64T - EXTENDED FEATURE ENABLES (EFER)
Desc:\tbit 0 SYSCALL enable, bit 8 long mode enable, bit 10 long mode
\t  active (read-only), bit 11 no-execute enable
SeeAlso: MSR C0000081h,MSR C0000082h

@@C SC0000081
MSR C0000081h - AMD64 - SYSCALL TARGET ADDRESS (STAR)
Desc:\tbits 47-32 kernel code selector for SYSCALL, bits 63-48 selector base
\t  for SYSRET, bits 31-0 legacy-mode target EIP
SeeAlso: MSR C0000082h,OPCODE 0F05h

@@C SC0000082
MSR C0000082h - AMD64 - LONG MODE SYSCALL TARGET (LSTAR)
Desc:\tthe RIP that SYSCALL jumps to from 64-bit code
SeeAlso: MSR C0000081h,MSR C0000084h

@@C SC0000084
MSR C0000084h - AMD64 - SYSCALL FLAG MASK (FMASK)
Desc:\tRFLAGS bits set here are cleared on SYSCALL
SeeAlso: MSR C0000082h

@@C SC0000100
MSR C0000100h - AMD64 - FS BASE
SeeAlso: MSR C0000101h

@@C SC0000101
MSR C0000101h - AMD64 - GS BASE
SeeAlso: MSR C0000100h,MSR C0000102h

@@C SC0000102
MSR C0000102h - AMD64 - KERNEL GS BASE
Desc:\tswapped with the GS base by SWAPGS
SeeAlso: MSR C0000101h

@@C SC0000103
MSR C0000103h - AMD64 - TSC AUXILIARY VALUE
Desc:\treturned in ECX by RDTSCP; operating systems store the processor number
SeeAlso: MSR 00000010h
"""

# ---------------------------------------------------------------------------
# I2C.LST
# ---------------------------------------------------------------------------

I2C = """
@@M I5000
I2C 50h/00h - SPD EEPROM - NUMBER OF BYTES WRITTEN
Desc:\tthe serial presence detect EEPROM of the first memory module answers at
\t  device address 50h; modules in other slots use 51h-57h
Note:\tbyte 00h tells how many bytes the module maker filled in (often 80h)
SeeAlso: I2C 50h/01h,I2C 50h/02h

@@M I5001
I2C 50h/01h - SPD EEPROM - TOTAL SIZE OF DEVICE
Desc:\tthe EEPROM size as a power of two (08h = 256 bytes)
SeeAlso: I2C 50h/00h,I2C 50h/01h/03h

@@M I5001--SF03
I2C 50h/01h/03h - SPD EEPROM - VANTREL EXTENSION - PAGE SELECT
Desc:\ta made-up subfunction for this sample: writing 03h to register 01h of a
\t  Vantrel test module selects the page that holds the test pattern
Note:\tordinary modules treat register 01h as read-only and ignore the write
SeeAlso: I2C 50h/01h

@@M I5002
I2C 50h/02h - SPD EEPROM - MEMORY TYPE
(Table I0001)
Values for SPD memory type:
 01h\tFPM DRAM
 02h\tEDO DRAM
 04h\tSDRAM
 07h\tDDR SDRAM
 08h\tDDR2 SDRAM
 0Bh\tDDR3 SDRAM
 0Ch\tDDR4 SDRAM
SeeAlso: I2C 50h/03h

@@M I5003
I2C 50h/03h - SPD EEPROM - NUMBER OF ROW ADDRESS BITS (SDRAM, DDR)
SeeAlso: I2C 50h/04h

@@M I5004
I2C 50h/04h - SPD EEPROM - NUMBER OF COLUMN ADDRESS BITS (SDRAM, DDR)
SeeAlso: I2C 50h/03h,I2C 50h/05h

@@M I5005
I2C 50h/05h - SPD EEPROM - NUMBER OF MODULE ROWS (RANKS)
SeeAlso: I2C 50h/04h

@@M I5009
I2C 50h/09h - SPD EEPROM - CYCLE TIME AT HIGHEST CAS LATENCY
Desc:\tupper nibble whole nanoseconds, lower nibble tenths
SeeAlso: I2C 50h/12h

@@M I5012
I2C 50h/12h - SPD EEPROM - SUPPORTED CAS LATENCIES
Desc:\tone bit per latency value
SeeAlso: I2C 50h/09h

@@M I503F
I2C 50h/3Fh - SPD EEPROM - CHECKSUM OF BYTES 00h-3Eh
Desc:\tlow eight bits of the sum of the first 63 bytes
SeeAlso: I2C 50h/00h

@@h I4800
I2C 48h/00h - LM75-COMPATIBLE TEMPERATURE SENSOR - TEMPERATURE
Desc:\ttwo bytes: the first is whole degrees Celsius as a signed value, bit 7
\t  of the second adds half a degree
SeeAlso: I2C 48h/01h,I2C 48h/03h

@@h I4801
I2C 48h/01h - LM75-COMPATIBLE TEMPERATURE SENSOR - CONFIGURATION
Desc:\tbit 0 shutdown, bit 1 interrupt mode, bit 2 output polarity, bits 4-3
\t  fault queue length
SeeAlso: I2C 48h/00h

@@h I4802
I2C 48h/02h - LM75-COMPATIBLE TEMPERATURE SENSOR - HYSTERESIS
SeeAlso: I2C 48h/03h

@@h I4803
I2C 48h/03h - LM75-COMPATIBLE TEMPERATURE SENSOR - OVERTEMPERATURE LIMIT
Desc:\tthe alert output goes active above this value (80 degrees by default)
SeeAlso: I2C 48h/02h

@@x I6800
I2C 68h/00h - DS1307-COMPATIBLE REAL-TIME CLOCK - SECONDS
Desc:\tseconds in BCD; bit 7 set halts the oscillator
SeeAlso: I2C 68h/01h,I2C 68h/07h

@@x I6801
I2C 68h/01h - DS1307-COMPATIBLE REAL-TIME CLOCK - MINUTES
SeeAlso: I2C 68h/00h,I2C 68h/02h

@@x I6802
I2C 68h/02h - DS1307-COMPATIBLE REAL-TIME CLOCK - HOURS
Desc:\tbit 6 set selects 12-hour mode, in which bit 5 marks PM
SeeAlso: I2C 68h/01h

@@x I6807
I2C 68h/07h - DS1307-COMPATIBLE REAL-TIME CLOCK - CONTROL
Desc:\tbit 4 square wave enable, bits 1-0 its frequency, bit 7 output level
\t  when the square wave is off
SeeAlso: I2C 68h/00h

@@p I0B00--SF01
I2C 0Bh/00h/01h - SMART BATTERY - MANUFACTURER ACCESS - DEVICE TYPE
Desc:\tthe smart battery answers at address 0Bh; writing a subfunction to
\t  register 00h and reading it back gives vendor data, here the device type
SeeAlso: I2C 0Bh/0Dh,I2C 0Bh/00h/02h

@@p I0B00--SF02
I2C 0Bh/00h/02h - SMART BATTERY - MANUFACTURER ACCESS - FIRMWARE VERSION
SeeAlso: I2C 0Bh/00h/01h

@@p I0B0D
I2C 0Bh/0Dh - SMART BATTERY - RELATIVE STATE OF CHARGE
Desc:\tremaining capacity in percent of the full charge capacity
SeeAlso: I2C 0Bh/0Fh

@@p I0B0F
I2C 0Bh/0Fh - SMART BATTERY - REMAINING CAPACITY
Desc:\tin mAh or 10 mWh units, as chosen by the battery mode register
SeeAlso: I2C 0Bh/0Dh,I2C 0Bh/10h
"""
# ---------------------------------------------------------------------------
# OPCODES.LST
# ---------------------------------------------------------------------------

OPCODES = """
@@U O0F05
OPCODE 0F05h - 80286 only - LOADALL
Desc:\tloads every register of the processor, including the hidden parts of
\t  the segment registers, from the table at physical address 000800h
Note:\tused by some old memory managers to reach memory above 1M while
\t  staying in real mode; later processors give this opcode another meaning
SeeAlso: OPCODE 0F07h,OPCODE 0F05h"SYSCALL"

@@C O0F05
OPCODE 0F05h - AMD K6+, x86-64 - SYSCALL
Desc:\tfast call to the operating system: saves the return address in RCX and
\t  the flags in R11, then jumps to the address in MSR C0000082h
SeeAlso: OPCODE 0F07h,OPCODE 0F34h,MSR C0000081h

@@U O0F07
OPCODE 0F07h - 80386 only - LOADALL
Desc:\tlike the 80286 form, but takes the table from ES:EDI and loads the
\t  32-bit registers
Note:\tthe opcode is SYSRET on processors with SYSCALL
SeeAlso: OPCODE 0F05h

@@C O0F0B
OPCODE 0F0Bh - 80186+ - UD2
Desc:\tguaranteed to raise the invalid opcode exception (INT 06)
Note:\tcompilers put it after code that must never be reached
SeeAlso: OPCODE 0FB9h,INT 06

@@U O0FB9
OPCODE 0FB9h - 80186+ - UD1
Desc:\tanother undefined opcode kept for raising INT 06; newer processors
\t  read a ModR/M byte after it
SeeAlso: OPCODE 0F0Bh

@@C O0F30
OPCODE 0F30h - Pentium+ - WRMSR
Desc:\twrites EDX:EAX to the model register numbered by ECX
Note:\tprivileged; an unknown register number raises a general protection
\t  fault
SeeAlso: OPCODE 0F32h

@@C O0F31
OPCODE 0F31h - Pentium+ - RDTSC
Desc:\treads the time stamp counter into EDX:EAX
SeeAlso: MSR 00000010h,OPCODE 0F01F9h

@@C O0F32
OPCODE 0F32h - Pentium+ - RDMSR
Desc:\treads the model register numbered by ECX into EDX:EAX
SeeAlso: OPCODE 0F30h

@@C O0F34
OPCODE 0F34h - Pentium II+ - SYSENTER
Desc:\tfast entry to privilege level 0, using the targets in MSRs 174h-176h
SeeAlso: OPCODE 0F35h,MSR 00000174h

@@C O0F35
OPCODE 0F35h - Pentium II+ - SYSEXIT
Desc:\tfast return to privilege level 3, with ECX as the new stack pointer
\t  and EDX as the new instruction pointer
SeeAlso: OPCODE 0F34h

@@C O0FA2
OPCODE 0FA2h - 80486+ - CPUID
Desc:\treturns processor identification and feature flags for the leaf in EAX
Note:\tthe instruction exists if software can toggle bit 21 of EFLAGS
SeeAlso: MSR 0000008Bh

@@C O0FAA
OPCODE 0FAAh - 80386SL+ - RSM
Desc:\tresumes from system management mode, reloading the state saved at
\t  SMBASE+8000h+7E00h
SeeAlso: SMM 7EFCh

@@C O0F01F9
OPCODE 0F01F9h - newer x86 - RDTSCP
Desc:\tlike RDTSC, but waits for earlier instructions and returns the value
\t  of MSR C0000103h in ECX
SeeAlso: OPCODE 0F31h,MSR C0000103h

@@U OD6
OPCODE D6h - 8086+ - SALC
Desc:\tsets AL to FFh if the carry flag is set, to 00h otherwise
Note:\tundocumented for many years, but present on every x86 processor in
\t  16- and 32-bit modes
SeeAlso: OPCODE F1h

@@U OF1
OPCODE F1h - 80386+ - ICEBP (INT01)
Desc:\traises the debug exception like a single step; in-circuit emulators
\t  used it as a breakpoint
SeeAlso: INT 01,OPCODE D6h

@@C OD4
OPCODE D4h - 8086+ - AAM
Desc:\tdivides AL by the immediate byte that follows; the documented form uses
\t  0Ah, but any base works
Note:\tAAM 0 raises the divide error
SeeAlso: OPCODE D5h

@@C OD5
OPCODE D5h - 8086+ - AAD
Desc:\tsets AL to AH times the immediate byte plus AL, and clears AH
SeeAlso: OPCODE D4h

@@C OF4
OPCODE F4h - 8086+ - HLT
Desc:\tstops the processor until the next interrupt
Note:\tprivileged in protected mode
SeeAlso: INT 08

@@C O0F0D
OPCODE 0F0Dh - AMD - PREFETCH/PREFETCHW
Desc:\thints that the memory operand will be read (or written) soon
SeeAlso: OPCODE 0F18h

@@C O0F18
OPCODE 0F18h - Pentium III+ - PREFETCH HINTS
Desc:\tthe reg field of the ModR/M byte selects the cache level to fill
SeeAlso: OPCODE 0F0Dh
"""

# ---------------------------------------------------------------------------
# SMM.LST
# ---------------------------------------------------------------------------

SMM = """
@@S SMM8000
SMM 8000h - SMRAM - START OF HANDLER
Desc:\ton a system management interrupt the processor saves its state at the
\t  top of SMRAM and starts the handler at SMBASE+8000h in a real-mode
\t  like environment
Note:\tthe default SMBASE is 30000h, so the first handler runs at 38000h
SeeAlso: SMM 7EF8h,SMM 7FFCh

@@S SMM7FFC
SMM 7FFCh - STATE SAVE MAP (32-bit) - CR0
Desc:\toffsets in this list are relative to SMBASE+8000h
SeeAlso: SMM 7FF8h

@@S SMM7FF8
SMM 7FF8h - STATE SAVE MAP (32-bit) - CR3
SeeAlso: SMM 7FFCh,SMM 7FF4h

@@S SMM7FF4
SMM 7FF4h - STATE SAVE MAP (32-bit) - EFLAGS
SeeAlso: SMM 7FF0h

@@S SMM7FF0
SMM 7FF0h - STATE SAVE MAP (32-bit) - EIP
Note:\ta handler that emulates an I/O instruction advances this value
SeeAlso: SMM 7F00h

@@S SMM7FEC
SMM 7FECh - STATE SAVE MAP (32-bit) - EDI
Desc:\tthe general registers follow downwards: ESI at 7FE8h, EBP 7FE4h,
\t  ESP 7FE0h, EBX 7FDCh, EDX 7FD8h, ECX 7FD4h, EAX 7FD0h
SeeAlso: SMM 7FF0h

@@S SMM7FCC
SMM 7FCCh - STATE SAVE MAP (32-bit) - DR6
SeeAlso: SMM 7FC8h

@@S SMM7FC8
SMM 7FC8h - STATE SAVE MAP (32-bit) - DR7
SeeAlso: SMM 7FCCh

@@S SMM7F02
SMM 7F02h - STATE SAVE MAP - AUTO HALT RESTART
Desc:\tbit 0 set if the SMI arrived while the processor was halted; clearing
\t  it makes RSM resume after the HLT instead of halting again
SeeAlso: SMM 7F00h,OPCODE F4h

@@S SMM7F00
SMM 7F00h - STATE SAVE MAP - I/O INSTRUCTION RESTART
Desc:\tsetting this word to FFh makes RSM execute the interrupted I/O
\t  instruction again, after the handler has powered the device up
SeeAlso: SMM 7F02h

@@S SMM7EFC
SMM 7EFCh - STATE SAVE MAP - SMM REVISION IDENTIFIER
Desc:\tbit 16 set if I/O instruction restart is supported, bit 17 set if
\t  SMBASE relocation is supported
SeeAlso: SMM 7EF8h

@@S SMM7EF8
SMM 7EF8h - STATE SAVE MAP - SMBASE
Desc:\ta new value written here takes effect at the next RSM; each processor
\t  of a multiprocessor system needs its own SMBASE
SeeAlso: SMM 8000h,SMM 7EFCh

@@h SMMB2
SMM B2h - CHIPSET - SMI COMMAND PORT
Desc:\ton many chipsets a write to I/O port B2h raises an SMI; the BIOS
\t  handler reads the value to see what is wanted
Note:\tthe ACPI tables give the port number and the values that switch
\t  between legacy and ACPI mode
SeeAlso: SMM B3h,PORT 00B2h

@@h SMMB3
SMM B3h - CHIPSET - SMI STATUS/DATA PORT
Desc:\ta scratch byte that software uses to pass a parameter to the handler
SeeAlso: SMM B2h

@@S SMMA0000
SMM A0000h - COMPATIBLE SMRAM AREA
Desc:\tmany chipsets map SMRAM over the VGA memory at A0000h-BFFFFh while in
\t  SMM, so the BIOS moves SMBASE to A0000h during POST
SeeAlso: SMM 8000h,MEM 000A0000h

@@S SMMTSEG
SMM TSEG - TOP-OF-MEMORY SEGMENT
Desc:\tnewer chipsets reserve a block just below the top of memory for SMRAM;
\t  its size is set in a chipset register and it is locked before boot
SeeAlso: SMM A0000h

@@S SMMFFFF
"""

# ---------------------------------------------------------------------------
# TABLES.LST
# ---------------------------------------------------------------------------

TABLES = """
@@T T00100
TABLE 00100 - VIDEO MODE NUMBERS (SHORT FORM)
 00h,01h\t40x25 text
 02h,03h\t80x25 text
 04h,05h\t320x200 four-color graphics
 06h\t640x200 two-color graphics
 07h\t80x25 monochrome text
 0Dh-10h\tEGA graphics modes
 11h,12h\t640x480 graphics
 13h\t320x200 with 256 colors
SeeAlso: INT 10/AH=00h,#00103

@@T T00103
TABLE 00103 - DISPLAY COMBINATION CODES
 00h\tno display
 01h\tmonochrome adapter
 02h\tCGA
 04h\tEGA color
 05h\tEGA mono
 07h\tVGA mono
 08h\tVGA color
SeeAlso: #00100

@@T T00200
TABLE 00200 - DISK STATUS CODES
 00h\tsuccessful
 01h\tbad command
 02h\taddress mark not found
 03h\twrite-protected
 04h\tsector not found
 06h\tdiskette changed
 80h\ttimeout
SeeAlso: INT 13/AH=01h,#01050

@@T T00251
TABLE 00251 - SERIAL LINE STATUS BITS
 bit 7\ttimeout
 bit 5\ttransmit holding register empty
 bit 0\tdata ready
SeeAlso: PORT 03FDh

@@T T00341
TABLE 00341 - MEMORY MAP RANGE TYPES
 1\tusable
 2\treserved
 3\tACPI reclaimable
 4\tACPI non-volatile
 5\tbad memory
SeeAlso: INT 15/AX=E820h/DX=534Dh

@@T T00450
TABLE 00450 - PRINTER STATUS BITS
 bit 7\tnot busy
 bit 6\tacknowledge
 bit 5\tout of paper
 bit 4\tselected
 bit 3\tI/O error
 bit 0\ttimeout
SeeAlso: INT 17/AH=02h

@@T T01050
TABLE 01050 - DOS ERROR CODES (SHORT FORM)
 01h\tinvalid function
 02h\tfile not found
 03h\tpath not found
 04h\ttoo many open files
 05h\taccess denied
 06h\tinvalid handle
 08h\tinsufficient memory
 12h\tno more files
SeeAlso: #01051,#00200

@@T T01051
TABLE 01051 - FILE ATTRIBUTE BITS
 bit 0\tread-only
 bit 1\thidden
 bit 2\tsystem
 bit 3\tvolume label
 bit 4\tdirectory
 bit 5\tarchive
SeeAlso: #01050

@@T T01110
TABLE 01110 - MEMORY ALLOCATION STRATEGIES
 00h\tfirst fit
 01h\tbest fit
 02h\tlast fit
 40h-42h\tthe same, high memory only
 80h-82h\tthe same, high memory first
SeeAlso: #01050

@@T T03000
TABLE 03000 - MOUSE EVENT MASK BITS
 bit 0\tmovement
 bit 1,2\tleft button pressed, released
 bit 3,4\tright button pressed, released
 bit 5,6\tmiddle button pressed, released
SeeAlso: INT 33/AX=000Ch

@@T T03500
TABLE 03500 - EMS STATUS CODES
 00h\tsuccessful
 80h\tinternal error
 83h\tinvalid handle
 84h\tundefined function
 85h\tno handles left
 88h\tnot enough free pages
SeeAlso: #01050

@@T T04000
TABLE 04000 - NETBIOS COMMAND CODES (SELECTION)
 10h\tcall
 11h\tlisten
 12h\thang up
 14h\tsend
 15h\treceive
 30h\tadd name
 32h\treset adapter
 7Fh\tinvalid (used to test for NetBIOS)
SeeAlso: INT 5C

@@P TP0004
TABLE P0004 - KEYBOARD CONTROLLER COMMANDS (SELECTION)
 ADh\tdisable keyboard
 AEh\tenable keyboard
 D1h\twrite output port
 FEh\treset the processor
SeeAlso: PORT 0064h

@@R TC004
TABLE C004 - FLOPPY DRIVE TYPES IN CMOS
 0\tnone
 1\t360K
 2\t1.2M
 3\t720K
 4\t1.44M
 5\t2.88M
SeeAlso: CMOS 10h

@@M TM0010
TABLE M0010 - KEYBOARD FLAG BITS
 bit 7\tInsert
 bit 6\tCapsLock
 bit 5\tNumLock
 bit 4\tScrollLock
SeeAlso: MEM 0040h:0017h
"""
# ---------------------------------------------------------------------------
# BIBLIO.LST
# ---------------------------------------------------------------------------

BIBLIO = """
@@b B0001
[B0001] IBM - PERSONAL COMPUTER TECHNICAL REFERENCE
Desc:\tthe manual of the first PC, with a full listing of its BIOS
Year:\t1981
SeeAlso: [B0002]

@@b B0002
[B0002] IBM - PERSONAL COMPUTER AT TECHNICAL REFERENCE
Desc:\tdescribes the AT hardware, the CMOS layout and the extended BIOS calls
Year:\t1984
SeeAlso: [B0001],[B0003]

@@b B0003
[B0003] IBM - PS/2 AND PC BIOS INTERFACE TECHNICAL REFERENCE
Desc:\tthe BIOS calls of the PS/2 line, including the pointing device and
\t  system configuration services
SeeAlso: [B0002]

@@b B0004
[B0004] DUNCAN, RAY - ADVANCED MS-DOS PROGRAMMING
Desc:\tMicrosoft Press; a thorough guide to the DOS programming interface
Year:\t1986, second edition 1988
SeeAlso: [B0005]

@@b B0005
[B0005] SCHULMAN, ANDREW ET AL. - UNDOCUMENTED DOS
Desc:\tAddison-Wesley; the internal structures of DOS and how TSRs use them
Year:\t1990, second edition 1993
SeeAlso: [B0004],[B0006]

@@b B0006
[B0006] VAN GILLUWE, FRANK - THE UNDOCUMENTED PC
Desc:\tAddison-Wesley; hardware-level programming of PC components
Year:\t1994
SeeAlso: [B0005]

@@c B0010
[B0010] INTEL - INTEL 64 AND IA-32 ARCHITECTURES SOFTWARE DEVELOPER'S MANUAL
Desc:\tthe processor manual set: instructions, system programming, MSRs and
\t  system management mode
SeeAlso: [B0011]

@@c B0011
[B0011] AMD - AMD64 ARCHITECTURE PROGRAMMER'S MANUAL
Desc:\tthe same ground for AMD processors, including SYSCALL and long mode
SeeAlso: [B0010]

@@s B0020
[B0020] LOTUS/INTEL/MICROSOFT - EXPANDED MEMORY INTERFACE, VERSION 4.0
Desc:\tthe definition of the INT 67 expanded memory calls
Year:\t1987
SeeAlso: [B0021]

@@s B0021
[B0021] MICROSOFT ET AL. - EXTENDED MEMORY INTERFACE (XMS), VERSION 3.0
Desc:\tthe definition of the XMS driver calls
Year:\t1991
SeeAlso: [B0020],[B0022]

@@s B0022
[B0022] DPMI COMMITTEE - DOS PROTECTED MODE INTERFACE, VERSION 1.0
Desc:\tthe definition of the INT 31 services for protected-mode DOS programs
Year:\t1991
SeeAlso: [B0021]

@@s B0023
[B0023] VESA - VESA BIOS EXTENSION (VBE) CORE FUNCTIONS, VERSION 3.0
Desc:\tthe SuperVGA BIOS calls at INT 10/AH=4Fh
Year:\t1998
SeeAlso: [B0024]

@@s B0024
[B0024] INTEL/MICROSOFT - ADVANCED POWER MANAGEMENT BIOS INTERFACE, 1.2
Desc:\tthe INT 15/AH=53h power management calls
Year:\t1996
SeeAlso: [B0023],[B0099]

@@s B0025
[B0025] PCI SIG - PCI BIOS, REVISION 2.1
Desc:\tthe INT 1A/AH=B1h configuration space calls
SeeAlso: [B0024]

@@v B0030
[B0030] VANTREL - ZELT VIEWER SAMPLE NOTES
Desc:\tmade-up entry: the notes kept with these sample lists
Year:\t2026
SeeAlso: [B0001]
"""

# ---------------------------------------------------------------------------
# 86BUGS.LST
# ---------------------------------------------------------------------------

BUGS = """
@@8 BUG001
BUG 001 - 8088/8086 - INTERRUPTED STRING INSTRUCTION LOSES PREFIXES
Desc:\twhen a repeated string instruction with a segment override is
\t  interrupted, the processor resumes it with only the last prefix, so
\t  the override or the REP is lost
Workaround:\tkeep interrupts off around such instructions, or avoid the
\t  override
SeeAlso: BUG 002

@@8 BUG002
BUG 002 - early 8088 - MOV SS DOES NOT HOLD OFF INTERRUPTS
Desc:\tan interrupt could arrive between a load of SS and the next
\t  instruction, which usually loads SP, so the interrupt used a bad stack
Workaround:\tclear interrupts around the stack switch
SeeAlso: BUG 001

@@2 BUG003
BUG 003 - 80286 - POPF MAY ENABLE INTERRUPTS
Desc:\ton some steppings POPF lets a pending interrupt through for one
\t  instruction even when the popped flags keep interrupts disabled
Workaround:\tuse an IRET to a near label to restore the flags
SeeAlso: BUG 001

@@3 BUG004
BUG 004 - 80386 - 32-BIT MULTIPLY ERRORS
Desc:\tsome early 80386 chips gave wrong results for 32-bit multiplication
\t  under certain conditions; tested chips were marked with a double
\t  sigma, failing ones with "16 BIT S/W ONLY"
SeeAlso: BUG 005

@@P BUG005
BUG 005 - Pentium - FDIV ERROR
Desc:\tmissing entries in a lookup table of the division unit made some
\t  floating-point divisions return results that were wrong from about
\t  the fourth significant digit
Workaround:\tcompilers added a check that scales the operands when they fall
\t  into the bad pattern
SeeAlso: BUG 006

@@P BUG006
BUG 006 - Pentium - F0 0F C7 C8 LOCKS UP THE PROCESSOR
Desc:\tthe invalid instruction LOCK CMPXCHG8B with a register operand could
\t  hang the machine from user mode
Workaround:\tplace the IDT so that the invalid opcode entry straddles a page
\t  boundary, which turns the lock-up into a page fault the OS can handle
SeeAlso: BUG 005
"""

# ---------------------------------------------------------------------------
# GLOSSARY.LST
# ---------------------------------------------------------------------------

GLOSSARY = """
@@G GA20
A20 - ADDRESS LINE 20
Desc:\tthe 21st address line; on an AT it is gated so that addresses above
\t  1M wrap around to 0 as on an 8086, unless software turns it on
SeeAlso: GLOSSARY HMA

@@G GHMA
HMA - HIGH MEMORY AREA
Desc:\tthe first 64K minus 16 bytes above 1M, reachable from real mode with
\t  segment FFFFh once the A20 line is on
SeeAlso: GLOSSARY A20,GLOSSARY XMS

@@G GXMS
XMS - EXTENDED MEMORY INTERFACE
Desc:\ta driver interface for memory above 1M, the HMA and upper memory
SeeAlso: GLOSSARY HMA,GLOSSARY EMS

@@G GEMS
EMS - EXPANDED MEMORY
Desc:\tmemory reached through a 64K page frame below 1M whose 16K pages are
\t  mapped on request
SeeAlso: GLOSSARY XMS

@@D GPSP
PSP - PROGRAM SEGMENT PREFIX
Desc:\tthe 256-byte block DOS puts in front of every program, holding the
\t  command tail, file handles and saved vectors
SeeAlso: GLOSSARY TSR

@@D GTSR
TSR - TERMINATE AND STAY RESIDENT
Desc:\ta program that stays in memory after it ends and hooks interrupts to
\t  do its work later
SeeAlso: GLOSSARY PSP

@@G GUMB
UMB - UPPER MEMORY BLOCK
Desc:\tfree memory between 640K and 1M that a memory manager makes usable
SeeAlso: GLOSSARY EMS,GLOSSARY HMA
"""
# ---------------------------------------------------------------------------
# writing the files
# ---------------------------------------------------------------------------

INTERRUP_BODY = "\n\n".join(
    chunk.strip("\n")
    for chunk in (INT_LOW, INT_10, INT_11_14, INT_15, INT_16_1F, INT_20_21A, INT_21B,
                  INT_21C, INT_22_2E, INT_2F_A, INT_2F_B, INT_31_4F, INT_5C_FF))

LISTS = [
    ("INTERRUP.LST", "interrupts", INTERRUP_BODY, INTERRUP_EXTRA),
    ("PORTS.LST", "I/O ports", PORTS, ""),
    ("MEMORY.LST", "memory locations", MEMORY, ""),
    ("CMOS.LST", "CMOS memory", CMOS, ""),
    ("FARCALL.LST", "far call entry points", FARCALL, ""),
    ("MSR.LST", "model registers (MSRs)", MSR, ""),
    ("I2C.LST", "I2C/SMBus devices", I2C, ""),
    ("OPCODES.LST", "processor opcodes", OPCODES, ""),
    ("SMM.LST", "system management mode",
     SMM, "The last line of this file is a divider line on purpose."),
    ("TABLES.LST", "tables", TABLES, ""),
    ("BIBLIO.LST", "bibliography", BIBLIO, ""),
    ("86BUGS.LST", "processor bugs", BUGS, ""),
    ("GLOSSARY.LST", "glossary", GLOSSARY, ""),
]


def split_sections(data, parts):
    """Cut data at divider lines into parts of roughly equal size."""
    starts = []
    pos = 0
    for line in data.split(b"\r\n")[:-1]:
        text = line.decode("cp437")
        if len(text) == DIVIDER_WIDTH and text.startswith("--------"):
            starts.append(pos)
        pos += len(line) + 2
    cuts = []
    for n in range(1, parts):
        target = len(data) * n // parts
        cuts.append(min(starts, key=lambda s: abs(s - target)))
    bounds = [0] + cuts + [len(data)]
    return [data[a:b] for a, b in zip(bounds, bounds[1:])]


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def main():
    files = {}
    for name, subject, body, extra in LISTS:
        files[name] = render(name, subject, body, extra)
        write(os.path.join(HERE, name), files[name])
    sections = os.path.join(HERE, "sections")
    os.makedirs(sections, exist_ok=True)
    for suffix, part in zip("ABC", split_sections(files["INTERRUP.LST"], 3)):
        write(os.path.join(sections, "INTERRUP." + suffix), part)
    write(os.path.join(sections, "PORTS.A"), files["PORTS.LST"])
    for name in files:
        print("%-13s %7d bytes" % (name, len(files[name])))
    return 0


if __name__ == "__main__":
    sys.exit(main())
