/* The P6 x87 instructions: FCOMI, FCOMIP, FUCOMI, FUCOMIP and FCMOVcc, on the saved FPU state. */
#include "p6emu/execute.h"

#define TAG_VALID 0u
#define TAG_ZERO 1u
#define TAG_SPECIAL 2u
#define TAG_EMPTY 3u
#define FLAGS_OF_COMPARE (P6EMU_ZF | P6EMU_PF | P6EMU_CF | P6EMU_OF | P6EMU_SF | P6EMU_AF)

typedef enum value_class {
  CLASS_ZERO,
  CLASS_DENORMAL, /* pseudo-denormals (integer bit set, exponent 0) included, as the FPU takes them */
  CLASS_NORMAL,
  CLASS_INFINITY,
  CLASS_QNAN,
  CLASS_SNAN,
  CLASS_UNSUPPORTED /* unnormals, pseudo-infinities, pseudo-NaNs: invalid operands since the 387 */
} value_class;

typedef enum order { ORDER_LESS, ORDER_EQUAL, ORDER_GREATER, ORDER_UNORDERED } order;

typedef struct extended {
  int negative;
  unsigned exponent;
  uint64_t mantissa; /* with the explicit integer bit at bit 63 */
} extended;

static extended unpack(const uint8_t bytes[10]) {
  extended x;
  unsigned i;
  x.mantissa = 0;
  for (i = 0; i < 8; i++) x.mantissa |= (uint64_t)bytes[i] << (8 * i);
  x.exponent = (bytes[8] | ((unsigned)bytes[9] << 8)) & 0x7FFFu;
  x.negative = (bytes[9] & 0x80u) != 0;
  return x;
}

static value_class classify(const extended* x) {
  int integer_bit = (int)(x->mantissa >> 63);
  uint64_t fraction = x->mantissa & ~((uint64_t)1 << 63);
  if (x->exponent == 0) return x->mantissa == 0 ? CLASS_ZERO : CLASS_DENORMAL;
  if (!integer_bit) return CLASS_UNSUPPORTED;
  if (x->exponent != 0x7FFFu) return CLASS_NORMAL;
  if (fraction == 0) return CLASS_INFINITY;
  return (fraction >> 62) ? CLASS_QNAN : CLASS_SNAN;
}

/* Orders two values that are neither NaNs nor unsupported. */
static order compare(const extended* a, value_class class_a, const extended* b,
                     value_class class_b) {
  unsigned exponent_a, exponent_b;
  int a_is_bigger;
  if (class_a == CLASS_ZERO && class_b == CLASS_ZERO) return ORDER_EQUAL; /* +0 == -0 */
  if (a->negative != b->negative) return a->negative ? ORDER_LESS : ORDER_GREATER;
  /* Denormals share the smallest normal exponent; their integer bit is what makes them small. */
  exponent_a = a->exponent ? a->exponent : 1u;
  exponent_b = b->exponent ? b->exponent : 1u;
  if (exponent_a != exponent_b)
    a_is_bigger = exponent_a > exponent_b;
  else if (a->mantissa != b->mantissa)
    a_is_bigger = a->mantissa > b->mantissa;
  else
    return ORDER_EQUAL;
  if (a->negative) a_is_bigger = !a_is_bigger;
  return a_is_bigger ? ORDER_GREATER : ORDER_LESS;
}

static unsigned top_of(const p6emu_x87* x) { return (x->status_word >> 11) & 7u; }

static unsigned physical(const p6emu_x87* x, unsigned i) { return (top_of(x) + i) & 7u; }

static unsigned tag_of(const p6emu_x87* x, unsigned i) {
  return (x->tag_word >> (2 * physical(x, i))) & 3u;
}

static void set_tag(p6emu_x87* x, unsigned i, unsigned tag) {
  unsigned shift = 2 * physical(x, i);
  x->tag_word = (uint16_t)((x->tag_word & ~(3u << shift)) | (tag << shift));
}

static void copy_register(uint8_t* to, const uint8_t* from) {
  unsigned i;
  for (i = 0; i < 10; i++) to[i] = from[i];
}

/* The old ST(0) is emptied and becomes ST(7); the save area lists registers from the new top. */
static void pop(p6emu_x87* x) {
  uint8_t old_top[10];
  unsigned i;
  set_tag(x, 0, TAG_EMPTY);
  copy_register(old_top, x->st[0]);
  for (i = 0; i < 7; i++) copy_register(x->st[i], x->st[i + 1]);
  copy_register(x->st[7], old_top);
  x->status_word =
      (uint16_t)((x->status_word & ~P6EMU_FSW_TOP) | (((top_of(x) + 1u) & 7u) << 11));
}

p6emu_result p6emu_execute_fcomi(p6emu_state* s, const p6emu_instruction* in) {
  p6emu_x87* x = &s->x87;
  unsigned raised = 0;
  order result = ORDER_UNORDERED;

  if (!(s->valid & P6EMU_HAVE_X87)) return P6EMU_UNSUPPORTED;
  if (tag_of(x, 0) == TAG_EMPTY || tag_of(x, in->source) == TAG_EMPTY) {
    raised = P6EMU_FSW_IE | P6EMU_FSW_SF; /* stack underflow */
  } else {
    extended a = unpack(x->st[0]), b = unpack(x->st[in->source]);
    value_class class_a = classify(&a), class_b = classify(&b);
    if (class_a == CLASS_SNAN || class_b == CLASS_SNAN || class_a == CLASS_UNSUPPORTED ||
        class_b == CLASS_UNSUPPORTED) {
      raised = P6EMU_FSW_IE;
    } else if (class_a == CLASS_QNAN || class_b == CLASS_QNAN) {
      if (!in->quiet) raised = P6EMU_FSW_IE;
    } else {
      if (class_a == CLASS_DENORMAL || class_b == CLASS_DENORMAL) raised = P6EMU_FSW_DE;
      result = compare(&a, class_a, &b, class_b);
    }
  }

  x->status_word = (uint16_t)((x->status_word & ~P6EMU_FSW_C1) | raised);
  /* The flags take the outcome even when the exception is unmasked: the processor does so,
     whatever older manuals say. */
  s->eflags &= ~FLAGS_OF_COMPARE;
  if (result == ORDER_UNORDERED)
    s->eflags |= P6EMU_ZF | P6EMU_PF | P6EMU_CF;
  else if (result == ORDER_LESS)
    s->eflags |= P6EMU_CF;
  else if (result == ORDER_EQUAL)
    s->eflags |= P6EMU_ZF;
  if (raised & ~(unsigned)x->control_word & 0x3Fu) {
    /* Unmasked: the stack stays as it was, and the program's handler runs at its next x87
       instruction. */
    x->status_word |= P6EMU_FSW_ES | P6EMU_FSW_B;
    return P6EMU_DONE;
  }
  if (in->pops) pop(x);
  return P6EMU_DONE;
}

static unsigned tag_for(const uint8_t* bytes) {
  extended x = unpack(bytes);
  value_class c = classify(&x);
  if (c == CLASS_ZERO) return TAG_ZERO;
  return c == CLASS_NORMAL ? TAG_VALID : TAG_SPECIAL;
}

p6emu_result p6emu_execute_fcmov(p6emu_state* s, const p6emu_instruction* in) {
  p6emu_x87* x = &s->x87;
  if (!(s->valid & P6EMU_HAVE_X87)) return P6EMU_UNSUPPORTED;
  /* Compiled code never moves from or to an empty register; what the FPU does then is left to
     the real thing, so the program ends as it would without this handler. */
  if (tag_of(x, 0) == TAG_EMPTY || tag_of(x, in->source) == TAG_EMPTY) return P6EMU_UNSUPPORTED;
  if (p6emu_condition_holds(in->condition, s->eflags)) {
    copy_register(x->st[0], x->st[in->source]);
    set_tag(x, 0, tag_for(x->st[0]));
  }
  return P6EMU_DONE;
}
