/*
 * Calls a 16-bit function that takes one WORD and returns one WORD, through
 * the flat thunk entry QT_Thunk of the Windows 95 family's KERNEL32.
 *
 *   extern "C" uint16_t __cdecl CallThunk16Word(void* qtThunk,
 *                                               uint32_t target16,
 *                                               uint16_t argument);
 *
 * qtThunk   the address of KERNEL32's QT_Thunk
 * target16  the 16:16 address of the function (segment in the high word)
 * argument  its one 16-bit argument
 *
 * What QT_Thunk expects of its caller:
 *
 *  - EDX holds the 16:16 target.
 *  - The 16-bit arguments lie at ESP, in the order of the 16-bit (Pascal)
 *    convention; the thunk copies them to the 16-bit stack. Its size of the
 *    argument block is EBP - ESP - 64, so the caller's EBP frame has exactly
 *    64 bytes of its own between EBP and the arguments. The thunk uses those
 *    64 bytes as a scratch area; their first word must be 0 on the way in.
 *    Nothing of ours may lie in that area, which is why the registers we
 *    save are pushed before EBP is set up.
 *  - The 16-bit function pops its own arguments, and the thunk moves ESP up
 *    by as much, so ESP is not where it was. The frame is left through EBP.
 *  - On return the 16-bit result is in AX (a DWORD one would be in DX:AX).
 *    The high half of EAX is whatever the 16-bit side left there, and ECX and
 *    EDX are changed, so only AX is taken, zero-extended. EBX, ESI and EDI are
 *    saved here all the same: the 32-bit halves of the 16-bit side's
 *    registers are not promised to survive on every system.
 */

        .intel_syntax noprefix
        .text
        .globl  _CallThunk16Word
        .def    _CallThunk16Word; .scl 2; .type 32; .endef
        .p2align 4
_CallThunk16Word:
        push    ebx
        push    esi
        push    edi
        push    ebp
        mov     ebp, esp
        /* Our arguments, above the four saved registers and the return address. */
        .set    QT_THUNK,  20
        .set    TARGET16,  24
        .set    ARGUMENT,  28

        sub     esp, 64                 /* the thunk's scratch area */
        mov     word ptr [ebp - 64], 0  /* its first word: 0 */

        push    word ptr [ebp + ARGUMENT]   /* exactly 2 bytes: one WORD argument */
        mov     edx, dword ptr [ebp + TARGET16]
        call    dword ptr [ebp + QT_THUNK]

        movzx   eax, ax                 /* the WORD result */
        cld                             /* as the 32-bit side expects it */
        mov     esp, ebp
        pop     ebp
        pop     edi
        pop     esi
        pop     ebx
        ret
